// Opens the word search on a data folder, types a word as a user would, searches with Enter and
// saves the dialog as a PNG; prints the rows it shows. For screenshots and scripted tours.
//   vantorel-search-grab DATA_FOLDER WORD OUT.png [--alternatives] [--sort COLUMN] [--row N]
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>
#include <cstdio>

#include "host/search/CWordSearchDlg.h"

using vantorel::search::CWordSearchDlg;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr,
                 "usage: vantorel-search-grab DATA_FOLDER WORD OUT.png [--alternatives] [--sort N] [--row N]\n");
    return 2;
  }
  QString data = args[1];
  if (!data.endsWith(u'/')) data += u'/';
  const int sortAt = static_cast<int>(args.indexOf(QStringLiteral("--sort")));
  const int rowAt = static_cast<int>(args.indexOf(QStringLiteral("--row")));

  CWordSearchDlg dlg(data, {}, [](int route, int32_t recordId, int32_t assetId) {
    std::printf("go to route %d, record %d, asset %d\n", route, recordId, assetId);
  });
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  dlg.wordField()->setFocus();
  for (const QChar ch : args[2]) {
    QTest::sendKeyEvent(QTest::Click, dlg.wordField(), static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                        Qt::NoModifier);
  }
  if (args.contains(QStringLiteral("--alternatives"))) QTest::mouseClick(dlg.alternativesBox(), Qt::LeftButton);
  dlg.wordField()->setFocus();
  QTest::keyClick(dlg.wordField(), Qt::Key_Return);
  if (sortAt > 0 && sortAt + 1 < args.size()) {
    QHeaderView* header = dlg.resultsView()->header();
    const int section = args[sortAt + 1].toInt();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 10, header->height() / 2));
  }
  if (rowAt > 0 && rowAt + 1 < args.size()) {
    QTreeWidget* view = dlg.resultsView();
    if (QTreeWidgetItem* item = view->topLevelItem(args[rowAt + 1].toInt())) {
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    }
  }
  QTextStream out(stdout);
  for (int i = 0; i < dlg.resultsView()->topLevelItemCount(); ++i) {
    const auto* item = dlg.resultsView()->topLevelItem(i);
    out << item->text(0) << " | " << item->text(1) << " | " << item->text(2) << "\n";
  }
  out.flush();
  if (!dlg.grab().save(args[3])) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
    return 1;
  }
  return 0;
}
