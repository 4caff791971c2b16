#include "brovik/BrovikCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>

#include "brovik/NotFoundDialog.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"
#include "platform/messages/WindowMessages.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace vantorel::brovik {
namespace {

using com::Variant;

constexpr int kTreeId = 2001;
constexpr int kListId = 2002;
constexpr int kButtonId = 2003;
constexpr int kEditId = 2004;
constexpr int kTreeSelected = 1;
constexpr int kListSelected = 2;

QString str(int id) {
  return ui::resourceString(u"brovik"_qs, id);
}

}  // namespace

CBrovikCtrl::CBrovikCtrl()
    : browser_(*this),
      captionFont_(ui::fontByFace(u"Arial Greek"_qs, 13)),
      listFont_(ui::fontByFace(u"Arial Greek"_qs, 11)) {
  using T = Variant::Type;
  dispatch().property(1, "Version", T::String, [] { return Variant::fromString(QString::fromUtf16(kVersion)); });
  dispatch().method(2, "GetTreeName", {T::Long}, T::String, [this](const std::vector<Variant>& a) {
    return Variant::fromString(codepage::toQString(browser_.treeName(a[0].toLong())));
  });
  dispatch().method(3, "InitData", {T::String, T::Long}, T::Empty, [this](const std::vector<Variant>& a) {
    browser_.initData(a[0].toString().toStdString());
    sync();
    return Variant();
  });
  dispatch().method(4, "GetObjectName", {T::Long}, T::String, [this](const std::vector<Variant>& a) {
    return Variant::fromString(codepage::toQString(browser_.objectName(a[0].toLong())));
  });
  dispatch().method(5, "SetRoute", {T::Short}, T::Empty, [this](const std::vector<Variant>& a) {
    browser_.setRoute(a[0].toShort());
    sync();
    return Variant();
  });
  dispatch().method(6, "GotoPosition", {T::Long, T::Long, T::Bool}, T::Empty, [this](const std::vector<Variant>& a) {
    browser_.gotoPosition(a[0].toLong(), a[1].toLong(), a[2].toBool());
    sync();
    return Variant();
  });
  dispatch().method(7, "ViewHwnd", {}, T::Address,
                    [this](const std::vector<Variant>&) { return Variant::fromAddress(messages::handleOf(this)); });
  dispatch().method(8, "EditHwnd", {}, T::Address,
                    [this](const std::vector<Variant>&) { return Variant::fromAddress(messages::handleOf(edit_)); });
  declareEvent(kTreeSelected, "TreeSelected", {T::Long, T::Long});
  declareEvent(kListSelected, "ListSelected", {T::Long});

  std::vector<std::string> sections;
  for (int id = 200; id <= 209; ++id) sections.push_back(codepage::fromQString(str(id)));
  browser_.setElementSections(std::move(sections));
  std::array<int, 256> advances{};
  const QFontMetrics metrics(listFont_);
  for (int b = 0; b < 256; ++b) {
    const char32_t c = codepage::toUnicode(static_cast<unsigned char>(b));
    advances[static_cast<size_t>(b)] = metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
  }
  browser_.setTreeAdvances(advances);
}

CBrovikCtrl::~CBrovikCtrl() = default;

void CBrovikCtrl::onCreate() {
  setAutoFillBackground(false);
  tree_ = new TopicTreeView(browser_, this);
  messages::setChildId(tree_, kTreeId);
  tree_->onClick = [this](int row) {
    if (browser_.tree().rowNode(row) < 0) return;  // below the last row
    ui::WaitCursor wait;
    browser_.clickTree(row);
    sync();
  };
  list_ = new ResourceListView(browser_, this);
  messages::setChildId(list_, kListId);
  list_->onSelect = [this](int row) {
    browser_.userSelectsResource(row);
    sync();
  };
  edit_ = new QLineEdit(this);
  messages::setChildId(edit_, kEditId);
  edit_->setFont(captionFont_);
  edit_->setMaxLength(60);
  edit_->setTextMargins(2, 0, 2, 0);
  edit_->setFrame(true);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, QColor(126, 55, 0));
  palette.setColor(QPalette::Base, Qt::white);
  edit_->setPalette(palette);
  connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
    browser_.wordTextChanged(codepage::fromQString(text));
    sync();
  });
  button_ = new GoButton(this);
  messages::setChildId(button_, kButtonId);
  connect(button_, &QAbstractButton::clicked, this, [this] {
    browser_.pressButton();
    sync();
  });
  layoutChildren();
  sync();
}

void CBrovikCtrl::layoutChildren() {
  if (!tree_) return;
  const int w = width();
  const int h = height();
  const int half = h / 2;
  tree_->setGeometry(0, 0, w, half);
  list_->setGeometry(0, half + 1, w, std::max(0, h - half - 61));
  edit_->setGeometry(7, h - 28, std::max(0, w - 77), 20);
  button_->setGeometry(w - 66, h - 28, 62, 19);
}

void CBrovikCtrl::resizeEvent(QResizeEvent* event) {
  Control::resizeEvent(event);
  layoutChildren();
}

void CBrovikCtrl::sync() {
  if (!tree_) return;
  tree_->sync();
  list_->sync();
  button_->setLook(browser_.buttonLook());
  button_->setEnabled(browser_.buttonEnabled());
  button_->update();
}

bool CBrovikCtrl::event(QEvent* event) {
  if (const auto* m = messages::asWindowMessage(event); m && m->message() == messages::kBrowseGo) {
    // Enter in the word box: a press of the button, while it can be pressed.
    if (button_ && button_->isEnabled()) {
      browser_.pressButton();
      sync();
    }
    return true;
  }
  return Control::event(event);
}

void CBrovikCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(235, 235, 235));
  p.drawLine(0, h / 2, w - 1, h / 2);
  p.drawLine(0, h - 60, w - 1, h - 60);
  p.setPen(Qt::black);
  p.drawLine(7, h - 28, 7, h - 45);
  p.drawLine(7, h - 45, 24, h - 45);
  p.setFont(captionFont_);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  p.drawText(QRect(QPoint(25, h - 58), QPoint(229, h - 46)), flags, str(105));
  p.drawText(QRect(QPoint(25, h - 45), QPoint(229, h - 33)), flags, str(106));
}

void CBrovikCtrl::treeSelected(int32_t page, int32_t recordId) {
  sync();
  fireEvent(kTreeSelected, {Variant::fromLong(page), Variant::fromLong(recordId)});
}

void CBrovikCtrl::listSelected(int32_t assetId) {
  sync();
  fireEvent(kListSelected, {Variant::fromLong(assetId)});
}

void CBrovikCtrl::notice(const Notice& n) {
  sync();
  const QString caption = str(103);
  switch (n.kind) {
    case Notice::Kind::UnableToOpen:
      ui::messageBox(str(101) + QString::fromStdString(n.path), caption, ui::Buttons::Ok, ui::Icon::Warning, this);
      break;
    case Notice::Kind::TopicFileMissing:
      ui::messageBox(QString::fromStdString(n.path), caption, ui::Buttons::Ok, ui::Icon::Warning, this);
      break;
    case Notice::Kind::UnknownAsset:
      ui::messageBox(QString::asprintf("Unknown asset : %d", n.assetId), caption, ui::Buttons::Ok, ui::Icon::Warning,
                     this);
      break;
    case Notice::Kind::TooManyWords: ui::messageBox(str(102), caption, ui::Buttons::Ok, ui::Icon::Warning, this); break;
    case Notice::Kind::WordNotFound: showNotFound(str(108), u"\""_qs); break;
    case Notice::Kind::WordNotInRoute: showNotFound(str(109), u"\""_qs + str(110)); break;
  }
}

void CBrovikCtrl::showNotFound(const QString& before, const QString& after) {
  const QString word = edit_ ? edit_->text() : QString();
  QPointer<QWidget> focus = QApplication::focusWidget();
  ui::customMessage(this, before + word + after, NotFoundDialog::title(), [&] {
    NotFoundDialog dialog(before, word, after, captionFont_, this);
    dialog.exec();
    return ui::Answer::Ok;
  });
  if (focus) focus->setFocus();
}

}  // namespace vantorel::brovik

namespace {

constexpr vantorel::com::ComponentIdentity kBrovik{
    .clsid = vantorel::com::ids::kBrovikClass,
    .dispatchIid = vantorel::com::ids::kBrovikDispatch,
    .eventsIid = vantorel::com::ids::kBrovikEvents,
    .typeLibId = vantorel::com::ids::kBrovikTypeLib,
    .progId = "BROVIK.BrovikCtrlGk.1",
    .typeName = "Brisamo Browse Control",
    .version = "1.0.021",
    .miscStatus = 0x20191,
    .typeLibName = "BROVIKLib",
    .typeLibHelp = "Brisamo Browse Control",
    .dispatchName = "_DBrovik",
    .eventsName = "_DBrovikEvents",
    .dispatchHelp = "Dispatch interface for Brovik Control",
    .eventsHelp = "Event interface for Brovik Control",
};
VANTOREL_CHECK_COMPONENT_VERSION(kBrovik, vantorel::brovik::kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kBrovik, new vantorel::brovik::CBrovikCtrl)
