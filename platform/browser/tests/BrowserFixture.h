#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/browser/CWebBrowserCtrl.h"
#include "platform/com/Variant.h"

namespace vantorel::browser::testing {

// A browser in a window of its own, the events it fires as text, and a folder for the pages.
class BrowserFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    browser_ = std::make_unique<CWebBrowserCtrl>();
    browser_->resize(640, 480);
    browser_->show();
    browser_->advise([this](int dispid, std::vector<com::Variant>& args) {
      if (dispid != dispid::kBeforeNavigate) return;
      QStringList shown;
      for (const com::Variant& v : args) shown << v.display();
      events_ << u"BeforeNavigate("_qs + shown.join(u", "_qs) + u')';
      if (args.size() > 5 && cancelWhen_ && cancelWhen_(args[0].toString())) args[5] = com::Variant::fromBool(true);
    });
  }

  // Writes `bytes` (code page 1253, as the disc's pages) to the folder; gives its path.
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QSaveFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    EXPECT_TRUE(file.commit());
    return path;
  }

  void navigate(const QString& path, int flags = 14) {
    (void)browser_->invoke(dispid::kNavigate, com::InvokeKind::Method,
                           {com::Variant::fromString(path), com::Variant::fromLong(flags)});
    QApplication::processEvents();
  }

  // The text the page drew, pieces joined by spaces.
  QString shownText() {
    QStringList pieces;
    for (const TextRun& run : browser_->canvas()->textRuns()) {
      if (!run.text.trimmed().isEmpty()) pieces << run.text.trimmed();
    }
    return pieces.join(u' ');
  }

  // Where the page drew `text` (its first piece), in canvas coordinates.
  QRect placeOf(const QString& text) {
    for (const TextRun& run : browser_->canvas()->textRuns()) {
      if (run.text.trimmed() == text) return run.rect;
    }
    ADD_FAILURE() << "not on the page: " << text.toStdString();
    return {};
  }

  void click(const QString& text) {
    QTest::mouseClick(browser_->canvas(), Qt::LeftButton, {}, placeOf(text).center());
    QApplication::processEvents();
  }

  QColor pixelAt(int x, int y) { return browser_->grab().toImage().pixelColor(x, y); }

  QTemporaryDir dir_;
  std::unique_ptr<CWebBrowserCtrl> browser_;
  QStringList events_;
  std::function<bool(const QString&)> cancelWhen_;
};

}  // namespace vantorel::browser::testing
