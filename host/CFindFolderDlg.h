#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "platform/shell/Shell.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantorel::host {

// The folder locator: a volume list and a lazily filled folder tree, used to find the data disc
// (mode LocateDisc) or to choose where bookmarks are kept (mode BookmarkFolder).
class CFindFolderDlg : public QDialog {
 public:
  enum class Mode { LocateDisc, BookmarkFolder };
  // Shown when OK is pressed on a folder whose name holds a line break; the dialog stays open.
  static inline const QString kLineBreakInFolderName = QStringLiteral(
      "Το όνομα αυτού του φακέλου περιέχει αλλαγή γραμμής και δεν μπορεί να καταγραφεί. "
      "Παρακαλώ επιλέξτε άλλο φάκελο.");
  using VolumeSource = std::function<std::vector<shell::Volume>()>;

  CFindFolderDlg(QWidget* parent, Mode mode, VolumeSource volumes = shell::volumes);

  int DoModal() { return exec(); }
  // The folder chosen with OK: the path of the selected item.
  [[nodiscard]] const QString& chosenPath() const { return chosenPath_; }

  // The entry text of a volume in the drive list.
  [[nodiscard]] static QString volumeEntryText(const shell::Volume& volume);
  // The path of a tree item: item texts from the root down, joined by separators; the root's own
  // trailing separator is dropped.
  [[nodiscard]] static QString pathOfItem(const QTreeWidgetItem* item);

  [[nodiscard]] QComboBox* driveList() const { return drives_; }
  [[nodiscard]] QTreeWidget* folderTree() const { return tree_; }

  void onOk();

 private:
  void fillTree(int driveIndex);
  void expandItem(QTreeWidgetItem* item);
  static void addSubfolders(QTreeWidgetItem* parent, const QString& path);

  QLabel* prompt_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QComboBox* drives_ = nullptr;
  QString chosenPath_;
};

}  // namespace vantorel::host
