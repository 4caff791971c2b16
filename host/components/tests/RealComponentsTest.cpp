#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

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
