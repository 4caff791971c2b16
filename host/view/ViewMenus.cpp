#include "host/view/ViewMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <initializer_list>

#include "host/view/CQuillet2View.h"
#include "host/view/Commands.h"
#include "host/view/StripArt.h"
#include "host/view/core/Sections.h"

namespace vantorel::host {

using namespace view;

namespace {

constexpr int kSeparator = 0;

struct Item {
  int id;  // kSeparator draws a line
  QString text;
};

QString sectionName(int section) {
  return stripCaptions()[static_cast<size_t>(sectionByNumber(section)->stripButton)];
}

void addMenu(QMenuBar* bar, CQuillet2View& view, const QString& title, std::initializer_list<Item> items) {
  QMenu* menu = bar->addMenu(title);
  for (const Item& item : items) {
    if (item.id == kSeparator) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(item.text);
    action->setData(item.id);
    QObject::connect(action, &QAction::triggered, &view, [&view, id = item.id] { view.runCommand(id); });
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &view] {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const CQuillet2View::CommandState state = view.commandState(action->data().toInt());
      action->setEnabled(state.enabled);
      action->setCheckable(state.checked);
      action->setChecked(state.checked);
    }
  });
}

}  // namespace

void installMenus(QMainWindow& frame, CQuillet2View& view) {
  QMenuBar* bar = frame.menuBar();
  bar->clear();
  addMenu(bar, view, u"Αρχείο"_qs,
          {{cmd::kPrint, u"Εκτύπωση"_qs},
           {cmd::kPrintMolecule, u"Εκτύπωση μορίου"_qs},
           {cmd::kPrintVideo, u"Εκτύπωση βίντεο"_qs},
           {kSeparator, {}},
           {cmd::kExit, u"Έξοδος"_qs}});
  addMenu(bar, view, u"Επεξεργασία"_qs,
          {{cmd::kCut, u"Αποκοπή\tCtrl+X"_qs},
           {cmd::kCopy, u"Αντιγραφή\tCtrl+C"_qs},
           {cmd::kPaste, u"Επικόλληση\tCtrl+V"_qs},
           {kSeparator, {}},
           {cmd::kCopyMolecule, u"Αντιγραφή μορίου"_qs},
           {cmd::kCopyVideo, u"Αντιγραφή βίντεο"_qs},
           {kSeparator, {}},
           {cmd::kCopyAllData, u"Αντιγραφή όλων των δεδομένων"_qs},
           {cmd::kCopyGraph, u"Αντιγραφή γραφικής παράστασης"_qs},
           {cmd::kCopySelection, u"Αντιγραφή επιλεγμένων"_qs}});
  addMenu(bar, view, u"Μετάβαση"_qs,
          {{cmd::kBack, u"Επιστροφή"_qs},
           {cmd::kForward, u"Επόμενο"_qs},
           {kSeparator, {}},
           {sectionByNumber(1)->commandId, sectionName(1)},
           {sectionByNumber(2)->commandId, sectionName(2)},
           {sectionByNumber(3)->commandId, sectionName(3)},
           {sectionByNumber(4)->commandId, sectionName(4)},
           {sectionByNumber(5)->commandId, sectionName(5)},
           {sectionByNumber(6)->commandId, sectionName(6)},
           {sectionByNumber(7)->commandId, sectionName(7)},
           {kSeparator, {}},
           {cmd::kPeriodicTable, u"Περιοδικός Πίνακας"_qs},
           {cmd::kDataAnalyser, u"Αναλυτής δεδομένων"_qs},
           {kSeparator, {}},
           {cmd::kSearch, u"Αναζήτηση"_qs}});
  addMenu(bar, view, u"Επιλογές"_qs, {{cmd::kToolsPalette, u"Γραμμή εργαλείων"_qs}});
  addMenu(bar, view, u"Σελιδοδείκτης"_qs, {{cmd::kAddBookmark, u"Προσθήκη"_qs}, {cmd::kGoToBookmark, u"Μετάβαση"_qs}});
  addMenu(bar, view, u"Στο δίκτυο"_qs,
          {{cmd::kSupport, u"Ηλεκτρονική υποστήριξη"_qs}, {cmd::kProducts, u"Halvenor"_qs}});
  addMenu(bar, view, u"Βοήθεια"_qs, {{cmd::kHelpContents, u"Περιεχόμενα"_qs}, {cmd::kAbout, u"Πληροφορίες για..."_qs}});

  // The accelerators that do something: cut, copy and paste in their two spellings each.
  const std::initializer_list<std::pair<QKeySequence, int>> keys{
      {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::kCopy},  {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::kCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::kPaste}, {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::kPaste},
      {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::kCut},   {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::kCut}};
  for (const auto& [sequence, id] : keys) {
    auto* shortcut = new QShortcut(sequence, &frame);
    QObject::connect(shortcut, &QShortcut::activated, &view, [&view, id = id] { view.runCommand(id); });
  }
}

}  // namespace vantorel::host
