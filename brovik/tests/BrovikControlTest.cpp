// The component as the host sees it: created from its library by ProgID, driven through its
// members, clicked offscreen, judged by its pixels, events and message boxes.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "brovik/tests/SampleCatalog.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/messages/WindowMessages.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"

namespace fs = std::filesystem;
using namespace vantorel;
using com::InvokeKind;
using com::Variant;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "brovik-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing Qt down at exit after synthetic input crashes in its device list.
  static QApplication* a = new QApplication(argc, argv);
  return *a;
}

const QColor kOpen(169, 74, 0);

class BrovikControl : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    dir_ = fs::temp_directory_path() / ("brovik-gui-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "disc");
    // Registered once: registering again unloads the library that created the first control.
    static const struct ScratchStore {
      fs::path path = fs::temp_directory_path() / ("brovik-gui-" + std::to_string(::getpid()) + ".reg");
      ~ScratchStore() {
        std::error_code ec;
        fs::remove(path, ec);
      }
    } scratch;
    static const fs::path& store = scratch.path;
    static const com::HResult registered = [] {
      registry::useStoreFile(store);
      return com::registerLibrary(BROVIK_PATH);
    }();
    ASSERT_EQ(registered, com::kOk);
    for (const auto& [name, bytes] : brovik::testing::sampleCatalog())
      brovik::testing::writeFile(dir_ / "disc" / name, bytes);
    auto created = com::createControl("BROVIK.BrovikCtrlGk.1");
    ASSERT_NE(created.control, nullptr) << created.error.toStdString();
    control_.reset(created.control);
    control_->advise([this](int id, std::vector<Variant>& args) {
      QString text = id == 1 ? u"TreeSelected"_qs : u"ListSelected"_qs;
      for (const auto& a : args) text += u" "_qs + a.display();
      events_.push_back(text);
    });
    host_ = std::make_unique<QWidget>();
    host_->resize(300, 600);
    control_->createWindow(host_.get(), 1, QRect(0, 0, 300, 600), true);
    host_->show();
  }
  void TearDown() override {
    control_.reset();
    host_.reset();
    fs::remove_all(dir_);
  }

  Variant call(const char* name, std::vector<Variant> args = {}) {
    const auto* info = control_->dispatchTable().findByName(name);
    EXPECT_NE(info, nullptr) << name;
    const auto result = control_->invoke(info->dispid, InvokeKind::Method, args);
    EXPECT_TRUE(result.ok()) << name;
    return result.value;
  }
  void load(int route = 1) {
    call("InitData",
         {Variant::fromString(QString::fromStdString((dir_ / "disc").string() + "/")), Variant::fromLong(0)});
    call("SetRoute", {Variant::fromShort(static_cast<int16_t>(route))});
  }
  QWidget* child(int id) { return messages::findChildById(control_.get(), id); }
  QWidget* treeViewport() { return child(2001)->findChild<QWidget*>(u"qt_scrollarea_viewport"_qs); }
  QWidget* listViewport() { return child(2002)->findChild<QWidget*>(u"qt_scrollarea_viewport"_qs); }
  static void click(QWidget* target, QPoint at) {
    QMouseEvent down(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(target, &up);
  }
  static void typeInto(QWidget* target, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(target, &press);
    }
  }
  void clickTreeRow(int row) { click(treeViewport(), QPoint(60, row * 16 + 8)); }
  void clickListRow(int row) { click(listViewport(), QPoint(60, row * 16 + 8)); }
  QImage picture() {
    QApplication::processEvents();
    return control_->grab().toImage();
  }
  static bool rowHas(const QImage& image, int top, QColor colour, int x0 = 20, int x1 = 200) {
    for (int y = top; y < top + 16; ++y) {
      for (int x = x0; x < x1; ++x) {
        // Text is antialiased: a well-covered pixel is near the ink colour.
        const QColor c = image.pixelColor(x, y);
        const int dr = c.red() - colour.red(), dg = c.green() - colour.green(), db = c.blue() - colour.blue();
        if (dr * dr + dg * dg + db * db < 60 * 60) return true;
      }
    }
    return false;
  }
  std::vector<QString> takeEvents() { return std::exchange(events_, {}); }

  fs::path dir_;
  ui::RecordingMessageBoxes boxes;
  std::unique_ptr<QWidget> host_;
  std::unique_ptr<com::Control> control_;
  std::vector<QString> events_;
};

using Texts = std::vector<QString>;

}  // namespace

TEST_F(BrovikControl, IdentityAndLayout) {
  const auto version = control_->invoke(1, InvokeKind::PropertyGet, {});
  EXPECT_EQ(version.value.toString(), u"1.0.021"_qs);
  EXPECT_EQ(control_->invoke(1, InvokeKind::PropertyPut, {Variant::fromString(u"2"_qs)}).status,
            com::DispStatus::NotSupported);
  const std::string interfaces = "HKEY_CLASSES_ROOT\\Interface\\";
  EXPECT_EQ(registry::store().queryString(interfaces + com::ids::kBrovikDispatch.toString(), "HelpString"),
            "Dispatch interface for Brovik Control");
  EXPECT_EQ(registry::store().queryString(interfaces + com::ids::kBrovikEvents.toString(), "HelpString"),
            "Event interface for Brovik Control");
  EXPECT_EQ(call("ViewHwnd").toAddress(), messages::handleOf(control_.get()));
  EXPECT_EQ(call("EditHwnd").toAddress(), messages::handleOf(child(2004)));
  EXPECT_EQ(child(2001)->geometry(), QRect(0, 0, 300, 300));
  EXPECT_EQ(child(2002)->geometry(), QRect(0, 301, 300, 239));
  EXPECT_EQ(child(2004)->geometry(), QRect(7, 572, 223, 20));
  EXPECT_EQ(child(2003)->geometry(), QRect(234, 572, 62, 19));
  EXPECT_FALSE(child(2003)->isEnabled());
  const QImage image = picture();
  EXPECT_EQ(image.pixelColor(150, 300), QColor(235, 235, 235));
  EXPECT_EQ(image.pixelColor(150, 540), QColor(235, 235, 235));
  EXPECT_EQ(image.pixelColor(7, 560), QColor(Qt::black));  // the bracket
  EXPECT_EQ(image.pixelColor(20, 555), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(150, 100), QColor(232, 232, 222));
  EXPECT_EQ(image.pixelColor(150, 400), QColor(145, 145, 145));  // empty resource list
}

TEST_F(BrovikControl, ClickingRowsOpensNodesAndRaisesEvents) {
  load();
  QImage image = picture();
  EXPECT_TRUE(rowHas(image, 0, Qt::black));
  EXPECT_FALSE(rowHas(image, 0, kOpen));
  clickTreeRow(0);
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 100001 1"_qs}));
  clickTreeRow(1);  // Οξέα
  clickTreeRow(2);  // Υδροχλωρικό οξύ
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 100002 2"_qs, u"TreeSelected 100003 3"_qs}));
  image = picture();
  // Every row fits: no horizontal scroll bar.
  EXPECT_FALSE(static_cast<QAbstractScrollArea*>(child(2001))->horizontalScrollBar()->isVisible());
  // The open path is drawn in its colour, the rest in black.
  EXPECT_TRUE(rowHas(image, 0, kOpen));
  EXPECT_TRUE(rowHas(image, 16, kOpen));
  EXPECT_TRUE(rowHas(image, 32, kOpen));
  EXPECT_FALSE(rowHas(image, 48, kOpen));
  EXPECT_TRUE(rowHas(image, 48, Qt::black));
  // A leaf shows four dots on its middle line, at 18 * level + 9 ... 15.
  for (int x : {45, 47, 49, 51}) EXPECT_EQ(image.pixelColor(x, 48 + 8), QColor(Qt::black)) << x;
  EXPECT_NE(image.pixelColor(46, 48 + 8), QColor(Qt::black));
  // Five resources, sorted, on the list colour; the rows below the list are empty.
  EXPECT_EQ(image.pixelColor(250, 301 + 8), QColor(122, 120, 160));
  EXPECT_EQ(image.pixelColor(250, 301 + 200), QColor(122, 120, 160));
  EXPECT_EQ(call("GetObjectName", {Variant::fromLong(20002)}).toString(), u"Άλας"_qs);
  clickListRow(2);
  clickListRow(2);
  EXPECT_EQ(takeEvents(), (Texts{u"ListSelected 110003"_qs}));
  image = picture();
  EXPECT_TRUE(rowHas(image, 301 + 32, Qt::white));
  EXPECT_FALSE(rowHas(image, 301 + 16, Qt::white));
  // A click below the last row does nothing.
  click(treeViewport(), QPoint(60, 290));
  EXPECT_TRUE(takeEvents().empty());
}

TEST_F(BrovikControl, GotoPositionWithAndWithoutResource) {
  load();
  call("GotoPosition", {Variant::fromLong(6), Variant::fromLong(0), Variant::fromBool(false)});
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 100006 6"_qs}));
  call("GotoPosition", {Variant::fromLong(3), Variant::fromLong(110001), Variant::fromBool(true)});
  EXPECT_EQ(takeEvents(), (Texts{u"ListSelected 110001"_qs}));
  EXPECT_EQ(call("GetTreeName", {Variant::fromLong(8)}).toString(), u"Οξυγόνο"_qs);
  EXPECT_EQ(call("GetObjectName", {Variant::fromLong(130001)}).toString(), QString());
}

TEST_F(BrovikControl, WordLookupThroughTheButtonAndTheEnterMessage) {
  load();
  auto* edit = static_cast<QLineEdit*>(child(2004));
  typeInto(edit, u"οξύ"_qs);
  EXPECT_TRUE(child(2003)->isEnabled());
  click(child(2003), QPoint(30, 9));
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 100003 3"_qs}));
  // The Enter message goes to the window ViewHwnd names.
  QWidget* view = messages::fromHandle(call("ViewHwnd").toAddress());
  messages::sendMessage(view, messages::kBrowseGo);
  messages::sendMessage(view, messages::kBrowseGo);
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 100004 4"_qs, u"ListSelected 110003"_qs}));

  edit->setText(u"  Ζζζ "_qs);
  messages::sendMessage(view, messages::kBrowseGo);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Δεν υπάρχουν εγγραφές για \"  Ζζζ \""_qs);
  EXPECT_EQ(boxes.shown()[0].caption, u"Μετάβαση"_qs);
  edit->setText(u"πλανήτης"_qs);
  messages::sendMessage(view, messages::kBrowseGo);
  EXPECT_EQ(boxes.shown()[1].text, u"Δεν είναι δυνατή η εύρεση του όρου \"πλανήτης\" σε αυτήν την ενότητα"_qs);
  edit->setText(u"οξύ νερό άλας"_qs);
  messages::sendMessage(view, messages::kBrowseGo);
  EXPECT_EQ(boxes.shown()[2].text, u"Δεν είναι δυνατή η αναζήτηση για περισσότερες από δύο λέξεις!"_qs);
  EXPECT_EQ(boxes.shown()[2].caption, u"Vantorel"_qs);
  EXPECT_EQ(boxes.shown()[2].icon, ui::Icon::Warning);
  // One result: the button is disabled and the message does nothing more.
  edit->setText(u"οξυγόνο"_qs);
  messages::sendMessage(view, messages::kBrowseGo);
  EXPECT_FALSE(child(2003)->isEnabled());
  messages::sendMessage(view, messages::kBrowseGo);
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 440008 8"_qs}));
  EXPECT_EQ(boxes.shown().size(), 3u);
}

TEST_F(BrovikControl, FileMessages) {
  fs::remove(dir_ / "disc" / "sci.ttl");
  fs::remove(dir_ / "disc" / "words.dat");
  load(5);
  const std::string disc = (dir_ / "disc").string() + "/";
  ASSERT_EQ(boxes.shown().size(), 3u);
  EXPECT_EQ(boxes.shown()[0].text, QString::fromStdString("Unable to open " + disc + "sci.ttl"));
  EXPECT_EQ(boxes.shown()[1].text, QString::fromStdString("Unable to open " + disc + "words.dat"));
  EXPECT_EQ(boxes.shown()[2].text, QString::fromStdString(disc + "history.dat"));
  boxes.clear();
  // With every title file present, an unknown type in an association file is named.
  brovik::testing::writeFile(dir_ / "disc" / "sci.ttl", "");
  load(1);
  call("GotoPosition", {Variant::fromLong(6), Variant::fromLong(0), Variant::fromBool(false)});
  ASSERT_EQ(boxes.shown().size(), 2u);  // words.dat is still missing
  EXPECT_EQ(boxes.shown()[1].text, u"Unknown asset : 440001"_qs);
}

TEST_F(BrovikControl, WordsTypedInCapitalsFindTheirTopic) {
  load();
  auto* edit = static_cast<QLineEdit*>(child(2004));
  // Capitals are written without accents: ΟΞΥΓΟΝΟ is the index's οξυγόνο.
  typeInto(edit, u"ΟΞΥΓΟΝΟ"_qs);
  click(child(2003), QPoint(30, 9));
  EXPECT_EQ(takeEvents(), (Texts{u"TreeSelected 440008 8"_qs}));
  EXPECT_TRUE(boxes.shown().empty());
  edit->selectAll();
  typeInto(edit, u"ΟΞΥ ΝΕΡΟ"_qs);
  click(child(2003), QPoint(30, 9));
  EXPECT_EQ(takeEvents(), (Texts{u"ListSelected 110003"_qs}));
  EXPECT_TRUE(boxes.shown().empty());
}

namespace {

// Shows the component's own not-found box, as the real service would, and reads it.
class DialogReader : public ui::RecordingMessageBoxes {
 public:
  ui::Answer showCustom(QWidget* parent, const QString& text, const QString& caption,
                        const std::function<ui::Answer()>& dialog) override {
    RecordingMessageBoxes::showCustom(parent, text, caption, dialog);
    QTimer::singleShot(0, [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box) return;
      if (auto* label = box->findChild<QLabel*>()) {
        shownText = label->text();
        shownFont = label->font();
        const QRect needed =
            QFontMetrics(shownFont).boundingRect(QRect(0, 0, label->width(), 1000), label->alignment(), shownText);
        fits = needed.width() <= label->width() && needed.height() <= label->height();
      }
      static_cast<QDialog*>(box)->accept();
    });
    return dialog();
  }
  QString shownText;
  QFont shownFont;
  bool fits = false;
};

}  // namespace

TEST_F(BrovikControl, NotFoundBoxShowsBothEndsOfALongWordInTheControlsFont) {
  load();
  DialogReader reader;
  auto* edit = static_cast<QLineEdit*>(child(2004));
  const QString word = u"ΥΠΕΡΚΑΛΙΦΡΑΓΙΛΙΣΤΙΚΕΞΠΙΑΛΙΝΤΟΣΙΟΥΣΕΣΤΑΤΟΣΠΟΛΥΣΥΛΛΑΒΟΤΑΤΟΣ"_qs;
  typeInto(edit, word);
  ASSERT_EQ(edit->text(), word);
  click(child(2003), QPoint(30, 9));
  ASSERT_EQ(reader.shown().size(), 1u);
  EXPECT_EQ(reader.shown()[0].text, u"Δεν υπάρχουν εγγραφές για \""_qs + word + u"\""_qs);
  const QString shown = QString(reader.shownText).replace(u'\n', u' ');
  EXPECT_TRUE(shown.startsWith(u"Δεν υπάρχουν εγγραφές για \"ΥΠΕΡ"_qs)) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(u"ΤΑΤΟΣ\""_qs)) << shown.toStdString();
  EXPECT_TRUE(reader.fits) << reader.shownText.toStdString();
  EXPECT_EQ(QFontInfo(reader.shownFont).family(), QFontInfo(ui::fontByFace(u"Arial Greek"_qs, 13)).family());
  EXPECT_EQ(reader.shownFont.pixelSize(), 13);

  // A short word shows whole.
  edit->selectAll();
  typeInto(edit, u"πλανήτης"_qs);
  click(child(2003), QPoint(30, 9));
  EXPECT_EQ(QString(reader.shownText).replace(u'\n', u' '),
            u"Δεν είναι δυνατή η εύρεση του όρου \"πλανήτης\" σε αυτήν την ενότητα"_qs);
  EXPECT_TRUE(reader.fits);
}

TEST_F(BrovikControl, AFolderInPlaceOfADataFileCannotBeOpened) {
  fs::remove(dir_ / "disc" / "words.dat");
  fs::create_directory(dir_ / "disc" / "words.dat");
  load();
  const std::string disc = (dir_ / "disc").string() + "/";
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, QString::fromStdString("Unable to open " + disc + "words.dat"));
}
