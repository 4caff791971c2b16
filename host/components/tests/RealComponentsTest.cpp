#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "host/components/ElementIndex.h"
#include "host/components/HostComponents.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;

// The components of this tree pass the host's interface check, report versions no older than the
// host requires, and the page browser is found by its class id.
TEST(RealComponents, AllAreCreatedAndNoneIsOutOfDate) {
  QTemporaryDir dir;
  registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
  for (const char* path : {REAL_COMPONENTS}) ASSERT_EQ(com::registerLibrary(path), com::kOk) << path;
  ui::RecordingMessageBoxes boxes;
  QWidget view;
  view.resize(900, 650);
  HostComponents components;
  const QString componentFolder = QFileInfo(QString::fromLatin1(TABREL_PATH)).absolutePath() + u'/';
  ASSERT_EQ(components.create({&view, dir.path() + u"/disc/"_qs, componentFolder, nullptr}),
            HostComponents::Outcome::Ready)
      << components.dataAnal().lastError().toStdString() << components.periodTable().lastError().toStdString();
  for (ComponentKind kind : kCheckOrder) EXPECT_FALSE(components.version(kind).isEmpty());
  EXPECT_NE(components.browseViewWindow(), nullptr);
  EXPECT_NE(components.browseEditWindow(), nullptr);
  boxes.clear();  // what the components said of the empty data folder
  components.checkMinimumVersions();
  EXPECT_TRUE(boxes.shown().empty());
}

// On the sample disc: a click on iron in the periodic table reaches the host as ElementDetail(26),
// which the disc's element index leads to a topic.
TEST(RealComponents, AClickOnIronRaisesElementDetailThatTheIndexResolves) {
  QTemporaryDir dir;
  registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
  for (const char* path : {REAL_COMPONENTS}) ASSERT_EQ(com::registerLibrary(path), com::kOk) << path;
  ui::RecordingMessageBoxes boxes;
  QWidget view;
  view.resize(800, 610);
  HostComponents components;
  const QString disc = QStringLiteral(SAMPLE_DISC);
  const QString componentFolder = QFileInfo(QString::fromLatin1(TABREL_PATH)).absolutePath() + u'/';
  ASSERT_EQ(components.create({&view, disc, componentFolder, nullptr}), HostComponents::Outcome::Ready);
  EXPECT_TRUE(boxes.shown().empty());
  view.show();
  components.periodTable().Initialise();
  components.periodTable().show(QRect(0, 50, 800, 560));
  QSignalSpy detail(&components.periodTable(), &CPeriodTable::elementDetail);
  QWidget* table = components.periodTable().widget();
  // Group 8, period 4 of a table drawn from (80, 55) in cells of 27 pixels.
  const QPoint iron(80 + 130 + 27 * 7 + 25, 55 + 90 + 27 * 3 + 3);
  QTest::mouseMove(table, iron);
  QMouseEvent move(QEvent::MouseMove, iron, table->mapToGlobal(iron), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(table, &move);
  QTest::mouseClick(table, Qt::LeftButton, {}, iron);
  ASSERT_EQ(detail.count(), 1);
  EXPECT_EQ(detail.at(0).at(0).toInt(), 26);
  const auto index = readElementIndex(disc);
  EXPECT_TRUE(components::findElement(index, 26).has_value());
  EXPECT_TRUE(boxes.shown().empty());
}
