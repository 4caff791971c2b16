#include "host/bookmarks/CBookmarkDlg.h"

#include <QCollator>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "host/bookmarks/BookmarkTexts.h"
#include "host/bookmarks/BookmarkTreeWidget.h"
#include "host/bookmarks/CFolderNameDlg.h"
#include "host/bookmarks/DialogUnits.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::bookmarks {
namespace {

// Folders sort as a person reads Greek, by the collation's rules rather than code-page bytes,
// ignoring letter case.
BookmarkTree::Compare greekOrder() {
  auto collator = std::make_shared<QCollator>(QLocale(QLocale::Greek, QLocale::Greece));
  collator->setCaseSensitivity(Qt::CaseInsensitive);
  return [collator](const std::string& a, const std::string& b) {
    return collator->compare(codepage::toQString(a), codepage::toQString(b));
  };
}

QString label(const CBMRecord& record) {
  return codepage::toQString(record.name);
}

}  // namespace

namespace {
// The window heights of the dialog's two sizes include its frame, top and bottom (the caption
// comes on top): the client area is that much lower.
constexpr int kFrameHeight = 2 * 3;
}  // namespace

QSize CBookmarkDlg::fullSize() {
  return du(0, 0, 224, 234).size() - QSize(0, kFrameHeight);
}

// Just the name field and the first row of buttons.
QSize CBookmarkDlg::reducedSize() {
  return du(0, 0, 224, 45).size() - QSize(0, kFrameHeight);
}

CBookmarkDlg::CBookmarkDlg(BookmarkList& list, QWidget* parent) : QDialog(parent), list_(list), model_(greekOrder()) {
  setFont(dialogFont());
  name_ = new QLineEdit(this);
  name_->setGeometry(du(7, 7, 210, 12));
  name_->setMaxLength(80);
  advanced_ = new QPushButton(u"Για προχωρημένους"_qs, this);
  advanced_->setGeometry(du(7, 24, 72, 14));
  cancel_ = new QPushButton(u"Ακύρωση"_qs, this);
  cancel_->setGeometry(du(87, 24, 50, 14));
  ok_ = new QPushButton(u"OK"_qs, this);
  ok_->setGeometry(du(141, 24, 50, 14));
  ok_->setDefault(true);
  newFolder_ = new QPushButton(u"Νέος φάκελος"_qs, this);
  newFolder_->setGeometry(du(7, 42, 72, 14));
  rename_ = new QPushButton(u"Μετονομασία"_qs, this);
  rename_->setGeometry(du(87, 42, 50, 14));
  delete_ = new QPushButton(u"Διαγραφή"_qs, this);
  delete_->setGeometry(du(141, 42, 50, 14));
  tree_ = new BookmarkTreeWidget(this);
  tree_->setGeometry(du(7, 62, 210, 163));
  for (QPushButton* b : {advanced_, cancel_, ok_, newFolder_, rename_, delete_}) b->setAutoDefault(false);
  ok_->setEnabled(false);
  delete_->setEnabled(false);
  setFixedSize(fullSize());

  askName = [this](const QString& caption, const QString& name) -> std::optional<QString> {
    CFolderNameDlg dialog(this, caption, name);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.name();
  };

  connect(advanced_, &QPushButton::clicked, this, &CBookmarkDlg::onAdvanced);
  connect(cancel_, &QPushButton::clicked, this, &CBookmarkDlg::reject);
  connect(ok_, &QPushButton::clicked, this, &CBookmarkDlg::accept);
  connect(newFolder_, &QPushButton::clicked, this, &CBookmarkDlg::onNewFolder);
  connect(rename_, &QPushButton::clicked, this, &CBookmarkDlg::onRename);
  connect(delete_, &QPushButton::clicked, this, &CBookmarkDlg::onDelete);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (!current) return;
    ok_->setEnabled(true);
    delete_->setEnabled(true);
  });
  tree_->onDrop = [this](QTreeWidgetItem* dragged, QTreeWidgetItem* folder) { onDrop(dragged, folder); };
  tree_->onChoose = [this] { onChoose(); };
  tree_->onDelete = [this] { onDelete(); };
}

void CBookmarkDlg::Setup(const QString& proposal, int section, bool addMode) {
  addMode_ = addMode;
  section_ = section;
  if (addMode) bookmarkName_ = proposal;
  fillTree();
  name_->setText(bookmarkName_);
  if (addMode_) {
    setWindowTitle(bookmarkString(kAddBookmarkCaption));
    reduced_ = true;
    setFixedSize(reducedSize());
    ok_->setFocus();
  } else {
    setWindowTitle(u"Μετάβαση σε σελιδοδείκτη"_qs);
    advanced_->setEnabled(false);
    name_->setEnabled(false);
    tree_->setFocus();
  }
}

QTreeWidgetItem* CBookmarkDlg::makeItem(const CBMRecord& record) const {
  return new QTreeWidgetItem(QStringList{label(record)});
}

void CBookmarkDlg::fillTree() {
  tree_->clear();
  model_.fill(list_);
  QList<QTreeWidgetItem*> tops;
  tops.reserve(static_cast<qsizetype>(model_.folders().size()));
  for (const auto& folder : model_.folders()) {
    QTreeWidgetItem* top = makeItem(*folder.record);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(folder.bookmarks.size()));
    for (const auto& b : folder.bookmarks) children.append(makeItem(*b));
    top->addChildren(children);
    tops.append(top);
  }
  tree_->addTopLevelItems(tops);
  const CBMRecord* first = list_.records.empty() ? nullptr : list_.records.front().get();
  if (const auto start = model_.initialItem(list_.currentFolder, first)) {
    QTreeWidgetItem* item = itemOf(*start);
    item->setExpanded(true);
    tree_->setCurrentItem(item);
  }
}

std::optional<ItemRef> CBookmarkDlg::refOf(const QTreeWidgetItem* item) const {
  if (!item) return std::nullopt;
  if (const QTreeWidgetItem* parent = item->parent()) {
    return ItemRef{static_cast<size_t>(tree_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(parent))),
                   static_cast<size_t>(parent->indexOfChild(const_cast<QTreeWidgetItem*>(item)))};
  }
  return ItemRef{static_cast<size_t>(tree_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item))), std::nullopt};
}

QTreeWidgetItem* CBookmarkDlg::itemOf(const ItemRef& ref) const {
  QTreeWidgetItem* top = tree_->topLevelItem(static_cast<int>(ref.folder));
  if (!top || !ref.bookmark) return top;
  return top->child(static_cast<int>(*ref.bookmark));
}

void CBookmarkDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // Centred as the full dialog would be, so that the tree opens downwards into place.
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  QRect area = owner ? owner->frameGeometry() : QRect();
  if (area.isEmpty() && screen()) area = screen()->availableGeometry();
  if (area.isEmpty()) return;
  const QSize full = fullSize();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - full.height()) / 2);
}

void CBookmarkDlg::onAdvanced() {
  if (!reduced_) return;
  reduced_ = false;
  setFixedSize(fullSize());  // grows downwards; the top-left corner stays
  advanced_->setEnabled(false);
}

void CBookmarkDlg::onNewFolder() {
  const std::optional<QString> name = askName(u"Νέος φάκελος"_qs, QString());
  if (!name) return;
  const std::optional<size_t> at = model_.newFolder(codepage::fromQString(*name));
  if (!at) return;
  tree_->insertTopLevelItem(static_cast<int>(*at), makeItem(*model_.folders()[*at].record));
  ok_->setEnabled(true);
}

void CBookmarkDlg::onRename() {
  QTreeWidgetItem* item = tree_->currentItem();
  std::optional<ItemRef> ref = refOf(item);
  if (!ref) return;
  const bool folder = ref->isFolder();
  const std::optional<QString> name =
      askName(folder ? u"Μετονομασία φακέλου"_qs : u"Μετονομασία σελιδοδείκτη"_qs, item->text(0));
  if (!name) return;
  ItemRef at = *ref;
  switch (model_.rename(at, codepage::fromQString(name->trimmed()))) {
    case RenameOutcome::Ignored: return;
    case RenameOutcome::DuplicateBookmark:
      ui::messageBox(bookmarkString(kDuplicateBookmark), bookmarkString(kRenameBookmarkCaption), ui::Buttons::Ok,
                     ui::Icon::None, this);
      return;
    case RenameOutcome::DuplicateFolder:
      ui::messageBox(u"A folder with this name already exists"_qs, u"Rename Folder"_qs, ui::Buttons::Ok, ui::Icon::None,
                     this);
      return;
    case RenameOutcome::Renamed: break;
  }
  item->setText(0, label(*model_.record(at)));
  if (folder && at.folder != ref->folder) {
    // A renamed folder takes its sorted place, with its bookmarks and its open state.
    const bool expanded = item->isExpanded();
    tree_->takeTopLevelItem(static_cast<int>(ref->folder));
    tree_->insertTopLevelItem(static_cast<int>(at.folder), item);
    item->setExpanded(expanded);
    tree_->setCurrentItem(item);
  }
}

void CBookmarkDlg::onDelete() {
  tree_->setFocus();
  QTreeWidgetItem* item = tree_->currentItem();
  const std::optional<ItemRef> ref = refOf(item);
  if (!ref) return;
  switch (model_.checkDelete(*ref)) {
    case DeleteCheck::LastFolder:
      ui::messageBox(u"Δεν είναι δυνατή η διαγραφή του τελευταίου φακέλου."_qs, u"Διαγραφή φακέλου"_qs, ui::Buttons::Ok,
                     ui::Icon::None, this);
      return;
    case DeleteCheck::ConfirmBookmark:
      if (ui::messageBox(u"Είστε βέβαιοι ότι θέλετε να διαγράψετε το σελιδοδείκτη;"_qs, u"Διαγραφή σελιδοδείκτη"_qs,
                         ui::Buttons::YesNo, ui::Icon::Question, this) != ui::Answer::Yes)
        return;
      break;
    case DeleteCheck::ConfirmFolder:
      if (ui::messageBox(u"Είστε βέβαιοι ότι θέλετε να διαγράψετε ένα φάκελο και όλα του τα περιεχόμενα;"_qs,
                         u"Διαγραφή φακέλου"_qs, ui::Buttons::YesNo, ui::Icon::Question, this) != ui::Answer::Yes)
        return;
      break;
  }
  model_.remove(*ref);
  delete item;
}

void CBookmarkDlg::onChoose() {
  if (addMode_) return;
  const std::optional<ItemRef> ref = refOf(tree_->currentItem());
  if (ref && !ref->isFolder()) accept();
}

void CBookmarkDlg::onDrop(QTreeWidgetItem* dragged, QTreeWidgetItem* folder) {
  const std::optional<ItemRef> from = refOf(dragged);
  const std::optional<ItemRef> target = refOf(folder);
  if (!from || !target) return;
  if (!model_.move(*from, target->folder)) return;
  QTreeWidgetItem* parent = dragged->parent();
  parent->removeChild(dragged);
  folder->addChild(dragged);
  tree_->setCurrentItem(dragged);
}

void CBookmarkDlg::accept() {
  bookmarkName_ = name_->text();
  const std::optional<ItemRef> selected = refOf(tree_->currentItem());
  if (selected) model_.setCurrentFolder(model_.folders()[selected->folder].record.get());
  if (addMode_) {
    const size_t folder = model_.folderIndexOf(model_.currentFolder());
    if (model_.hasBookmarkNamed(folder, codepage::fromQString(bookmarkName_))) {
      ui::messageBox(bookmarkString(kDuplicateBookmark), bookmarkString(kAddBookmarkCaption), ui::Buttons::Ok,
                     ui::Icon::None, this);
      return;
    }
  }
  chosenBookmark_.reset();
  if (!addMode_ && selected && !selected->isFolder()) chosenBookmark_ = model_.record(*selected);
  list_.records = model_.records();
  list_.currentFolder = model_.currentFolder();
  QDialog::accept();
}

void CBookmarkDlg::reject() {
  // Nothing of the list was touched: the records made here go with the tree.
  QDialog::reject();
}

}  // namespace vantorel::bookmarks
