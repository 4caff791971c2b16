#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "host/CMainFrame.h"
#include "host/CQuillet2App.h"
#include "host/bookmarks/BookmarkTreeWidget.h"
#include "host/bookmarks/CBookmarkDlg.h"
#include "host/bookmarks/tests/DialogDriver.h"
#include "host/components/HostComponents.h"
#include "host/core/StartupRules.h"
#include "host/tests/HeadlessStart.h"
#include "host/view/CQuillet2View.h"
#include "host/view/Commands.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host::viewtest {

inline const QString kFakes = QStringLiteral(FAKE_COMPONENT_DIR);

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes);
}

// A plain picture of one colour, saved as the 24-bit bitmap the main menu reads.
inline void writePicture(const QString& path, QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(colour);
  QDir().mkpath(QFileInfo(path).absolutePath());
  image.save(path, "BMP");
}

inline const QColor kPictureGrey{90, 90, 90};
inline const QColor kHighlightRed{200, 30, 30};

// A program folder recorded as the install folder, a registry with the stand-in components, a
// small data folder (first page, two topic pages, element index, main menu pictures), and a
// recording message-box service.
struct ViewSandbox {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  QString programFolder;
  QString dataFolder;
  QString bookmarkFile = dir.filePath(u"bookmarks.dat"_qs);
  std::unique_ptr<CQuillet2App> app;

  explicit ViewSandbox(const QStringList& components = {u"tabrelgk.ocx"_qs, u"brovikgk.ocx"_qs, u"dravixgk.ocx"_qs,
                                                        u"kestringk.ocx"_qs, u"fennickgk.ocx"_qs, u"webfake.ocx"_qs}) {
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
    for (const QString& file : components) (void)com::registerLibrary((kFakes + file).toStdString());
    programFolder = dir.filePath(u"program"_qs);
    QDir().mkpath(programFolder);
    registry::store().createKey(registryKeyPath());
    registry::store().setString(registryKeyPath(), "Directory", programFolder.toStdString());
    dataFolder = dir.filePath(u"disc"_qs) + u'/';
    writeFile(dataFolder + u"a.htm"_qs, "<html><body>first</body></html>");
    writeFile(dataFolder + u"17/0070"_qs,
              "<html><body>\x05"
              "CDimages/x.bmp ~Gterm0001word~ </body></html>\n");
    writeFile(dataFolder + u"41/0000"_qs, "<html><body>elements and compounds</body></html>\n");
    // Element 26 twice (the first entry counts), element 8 once, and two stray bytes.
    writeFile(dataFolder + u"ptable.ndx"_qs, QByteArray("\x1a\x5b\x42\x06\x00"
                                                        "\x1a\xe7\x03\x00\x00"
                                                        "\x08\x22\x42\x06\x00"
                                                        "\x01\x02",
                                                        17));
    writePicture(dataFolder + u"images/mainmenu.bmp"_qs, {630, 330}, kPictureGrey);
    for (const char* name : {"cm", "struct", "ec", "ca", "source", "history", "concepts", "pte", "da"})
      writePicture(dataFolder + u"images/"_qs + QLatin1String(name) + u".bmp"_qs, {369, 191}, kHighlightRed);
    useDataFolder(dataFolder);
  }

  // The settings name `folder` as the data folder and `bookmarkFile` as the bookmark file.
  void useDataFolder(const QString& folder) {
    writeFile(programFolder + u"/qset.ini"_qs,
              ("[Settings]\r\nDataPath=" + folder + "\r\nBookmark=" + bookmarkFile + "\r\n").toUtf8());
  }

  void setSavedSplitter(int32_t value) {
    registry::store().setDword(registryKeyPath(), "Splitter", static_cast<uint32_t>(value));
  }

  // Runs the program's start-up with a real frame and view (not shown unless `show`).
  CMainFrame* start(bool show = true, QSize size = {800, 600}) {
    const QString tempFolder = dir.filePath(u"tmp"_qs) + u'/';
    QDir().mkpath(tempFolder);
    app = std::make_unique<CQuillet2App>(
        host::testing::headlessStart(programFolder + u"/pelorin"_qs, tempFolder, size, show));
    if (!app->InitInstance()) return nullptr;
    return static_cast<CMainFrame*>(app->mainFrame());
  }

  [[nodiscard]] QStringList shownTexts() const {
    QStringList texts;
    for (const auto& shown : boxes.shown()) texts << shown.text;
    return texts;
  }
};

// What a stand-in component was asked to do so far, one call a line.
inline QString callLog(CComponentWnd& component) {
  auto* control = dynamic_cast<com::Control*>(component.widget());
  return control ? control->invoke(90, com::InvokeKind::Method, {}).value.toString() : QString();
}

// Makes a stand-in component fire event `event` with two numbers.
inline void fireEvent(CComponentWnd& component, int event, int a, int b = 0) {
  auto* control = dynamic_cast<com::Control*>(component.widget());
  (void)control->invoke(91, com::InvokeKind::Method,
                        {com::Variant::fromLong(event), com::Variant::fromLong(a), com::Variant::fromLong(b)});
}

// Acts on the next modal dialog of type T once it is open (the command that opens it runs it
// modally), then lets the command return; whatever the actions left open is closed, so that a
// failing test does not hang.
template <typename T>
void whenOpen(std::function<void(T&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    dialog->activateWindow();
    (void)QTest::qWaitForWindowActive(dialog);
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start();
}

// Adds a bookmark on the view's screen through the bookmark dialog, named `name` by typing.
inline void addBookmark(CQuillet2View& view, const QString& name) {
  whenOpen<bookmarks::CBookmarkDlg>([name](bookmarks::CBookmarkDlg& dialog) {
    QTest::keyClick(dialog.nameEdit(), Qt::Key_A, Qt::ControlModifier);
    bookmarks::fixtures::typeText(dialog.nameEdit(), name);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  });
  view.runCommand(view::cmd::kAddBookmark);
}

// Goes to the bookmark `name`, picked with the mouse in the bookmark dialog.
inline void goToBookmark(CQuillet2View& view, const QString& name) {
  whenOpen<bookmarks::CBookmarkDlg>([name](bookmarks::CBookmarkDlg& dialog) {
    if (!dialog.tree()->isVisible()) QTest::mouseClick(dialog.advancedButton(), Qt::LeftButton);
    QTreeWidgetItem* item = bookmarks::fixtures::findItem(dialog.tree(), name);
    ASSERT_NE(item, nullptr) << name.toStdString();
    bookmarks::fixtures::clickItem(dialog.tree(), item);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  });
  view.runCommand(view::cmd::kGoToBookmark);
}

}  // namespace vantorel::host::viewtest
