#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QWidget>
#include <memory>

#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host::widgetstest {

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  ASSERT_TRUE(file.commit());
}

// A shown stand-in for the main view, 800 × 600, and a folder of the test's own.
class WidgetsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    view_ = std::make_unique<QWidget>();
    view_->setObjectName(u"view"_qs);
    view_->resize(800, 600);
    view_->move(40, 30);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
  }
  void TearDown() override {
    view_.reset();
    QApplication::processEvents();
    // The threads Qt painted the players and the printed page with end here, long before the
    // program does: a thread still winding down when the leak check stops the program at exit
    // makes that check fail.
    QThreadPool::globalInstance()->waitForDone();
  }

  QString path(const QString& name) const { return dir_.filePath(name); }

  QTemporaryDir dir_;
  std::unique_ptr<QWidget> view_;
};

// The real page browser and the players, registered in a registry of the test's own.
class PlayersFixture : public WidgetsFixture {
 protected:
  void SetUp() override {
    WidgetsFixture::SetUp();
    registry::useStoreFile(path(u"registry.reg"_qs).toStdString());
    // The players' codec libraries leave thread-local blocks behind when unloaded: held loaded.
    static const bool held = [] {
      for (const char* library : {PAGEBROWSER_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH, KESTRIN_PATH}) {
        QLibrary holder(QString::fromUtf8(library));
        holder.setLoadHints(QLibrary::PreventUnloadHint);
        if (!holder.load()) return false;
      }
      return true;
    }();
    ASSERT_TRUE(held);
    for (const char* library : {PAGEBROWSER_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH, KESTRIN_PATH})
      ASSERT_EQ(com::registerLibrary(library), com::kOk) << library;
  }
};

// The sample molecule of the source tree, as a page would name it.
inline QByteArray sampleMolecule() {
  QFile file(QStringLiteral(SOURCE_DIR "/data/molecules/ammonia.mol"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace vantorel::host::widgetstest
