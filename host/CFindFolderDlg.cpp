#include "host/CFindFolderDlg.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {
namespace {

// Dialog resource 211: 238 x 141 dialog units in the dialog font.
QFont dialogFont() {
  return ui::fontByFace(u"Arial"_qs, 11);
}

QRect du(int x, int y, int w, int h) {
  return ui::dialogUnitsToPixels(QRect(x, y, w, h), dialogFont());
}

}  // namespace

QString CFindFolderDlg::volumeEntryText(const shell::Volume& volume) {
  const QString root = volume.rootPath;
  switch (volume.kind) {
    case shell::VolumeKind::Removable: return u"Removeable Media (%1)"_qs.arg(root);
    case shell::VolumeKind::Fixed: return u"Local Disk (%1)"_qs.arg(root);
    case shell::VolumeKind::Remote: return u"Network drive (%1)"_qs.arg(root);
    case shell::VolumeKind::CdRom: return u"Compact Disk (%1)"_qs.arg(root);
    case shell::VolumeKind::RamDisk: return u"RAM Disk (%1)"_qs.arg(root);
    case shell::VolumeKind::Unknown: break;
  }
  return root;
}

QString CFindFolderDlg::pathOfItem(const QTreeWidgetItem* item) {
  QString path;
  for (; item; item = item->parent()) {
    QString text = item->text(0);
    if (text.endsWith(u'/')) text.chop(1);
    path = path.isEmpty() ? text : text + u'/' + path;
  }
  return path;
}

CFindFolderDlg::CFindFolderDlg(QWidget* parent, Mode mode, VolumeSource volumes) : QDialog(parent) {
  setWindowTitle(u"Find Folder"_qs);
  setFont(dialogFont());
  setFixedSize(du(0, 0, 238, 141).size());

  prompt_ = new QLabel(
      mode == Mode::LocateDisc ? u"Please locate the Vantorel CD-ROM"_qs : u"Select folder to store your bookmarks"_qs,
      this);
  prompt_->setGeometry(du(7, 7, 224, 9));
  tree_ = new QTreeWidget(this);
  tree_->setGeometry(du(7, 19, 224, 82));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  drives_ = new QComboBox(this);
  drives_->setGeometry(du(7, 105, 224, 12));
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setGeometry(du(127, 122, 50, 14));
  ok->setDefault(true);
  auto* cancel = new QPushButton(u"Cancel"_qs, this);
  cancel->setGeometry(du(181, 122, 50, 14));

  int selected = -1;
  for (const shell::Volume& v : volumes()) {
    drives_->addItem(volumeEntryText(v), v.rootPath);
    if (selected < 0 && v.kind == shell::VolumeKind::Fixed) selected = drives_->count() - 1;
  }
  if (selected < 0 && drives_->count() > 0) selected = 0;
  if (selected >= 0) {
    drives_->setCurrentIndex(selected);
    fillTree(selected);
  }

  connect(drives_, &QComboBox::currentIndexChanged, this, &CFindFolderDlg::fillTree);
  connect(tree_, &QTreeWidget::itemExpanded, this, &CFindFolderDlg::expandItem);
  connect(ok, &QPushButton::clicked, this, &CFindFolderDlg::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CFindFolderDlg::addSubfolders(QTreeWidgetItem* parent, const QString& path) {
  const QDir dir(path.isEmpty() ? u"/"_qs : path);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
    if (name.startsWith(u'.')) continue;
    auto* item = new QTreeWidgetItem(parent, {name});
    new QTreeWidgetItem(item, {QString()});  // placeholder: makes the item expandable
  }
  parent->sortChildren(0, Qt::AscendingOrder);
}

void CFindFolderDlg::fillTree(int driveIndex) {
  tree_->clear();
  const QString root = drives_->itemData(driveIndex).toString();
  if (root.isEmpty()) return;
  ui::WaitCursor wait;
  auto* rootItem = new QTreeWidgetItem(tree_, {root});
  QString rootPath = root;
  addSubfolders(rootItem, rootPath);
  rootItem->setExpanded(true);
}

void CFindFolderDlg::expandItem(QTreeWidgetItem* item) {
  if (item->childCount() == 0 || !item->child(0)->text(0).isEmpty()) return;
  delete item->takeChild(0);
  QString path = pathOfItem(item);
  addSubfolders(item, path.isEmpty() ? u"/"_qs : path + u'/');
}

void CFindFolderDlg::onOk() {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item || !item->isSelected()) return;
  QString path = pathOfItem(item);
  // A line break in a folder's name would split the settings file it is recorded in.
  if (path.contains(u'\r') || path.contains(u'\n')) {
    ui::messageBox(kLineBreakInFolderName, windowTitle());
    return;
  }
  // The root of "/" has an empty path; it still names a folder.
  chosenPath_ = path.isEmpty() ? u"/"_qs : path;
  accept();
}

}  // namespace vantorel::host
