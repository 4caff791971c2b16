#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/com/tests/TestComponentIds.h"

namespace {

struct ToolRun {
  int exitCode;
  QString out;
  QString err;
};

ToolRun runTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class ContainerRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    registry_ = dir_.filePath(u"registry.reg"_qs);
    const ToolRun reg = runTool(u"" REGSVR_PATH ""_qs, {u"--registry"_qs, registry_, u"" TEST_COMPONENT_PATH ""_qs});
    ASSERT_EQ(reg.exitCode, 0) << reg.err.toStdString();
  }
  ToolRun container(QStringList args) {
    args.prepend(registry_);
    args.prepend(u"--registry"_qs);
    return runTool(u"" CONTAINER_PATH ""_qs, args);
  }
  QTemporaryDir dir_;
  QString registry_;
};

}  // namespace

TEST_F(ContainerRun, PrintsAnswersAndEventsInOrderAndGrabs) {
  const QString png = dir_.filePath(u"shot.png"_qs);
  const ToolRun r = container({u"--create"_qs, u"VANTOREL.TestCtrl.1"_qs, u"--size"_qs, u"200x100"_qs, u"--get"_qs,
                               u"Version"_qs, u"--put"_qs, u"Counter=3"_qs, u"--call"_qs, u"Add(2, 40)"_qs,
                               u"--call"_qs, u"#4(9)"_qs, u"--click"_qs, u"17,5"_qs, u"--grab"_qs, png});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out,
            u"Version -> \"2.5.7\"\nCounter -> 3\nAdd -> 42\nevent Rung(9, \"ring\")\nRing -> (empty)\n"
            u"event Rung(17, \"click\")\n"_qs);
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(200, 100));
  EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 96, 160));
}

TEST_F(ContainerRun, FailuresGiveANonZeroStatus) {
  ToolRun r = container({u"--create"_qs, u"VANTOREL.TestCtrl.1"_qs, u"--put"_qs, u"Version=\"x\""_qs});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(r.err.contains(u"Version -> error: property not supported"_qs)) << r.err.toStdString();
  r = container({u"--create"_qs, u"VANTOREL.TestCtrl.1"_qs, u"--call"_qs, u"Nothing()"_qs});
  EXPECT_NE(r.exitCode, 0);
  r = container({u"--create"_qs, u"NO.SUCH.Class"_qs});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(r.err.contains(u"cannot create"_qs));
  r = container({u"--list"_qs});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.contains(u"VANTOREL.TestCtrl.1 2.5.7 "_qs)) << r.out.toStdString();
}

TEST_F(ContainerRun, DescribesAClassAsItsTypeLibraryWould) {
  namespace ids = vantorel::com::testids;
  auto id = [](const vantorel::com::Guid& g) { return QString::fromStdString(g.toString()); };
  const ToolRun r = container({u"--describe"_qs, u"VANTOREL.TestCtrl.1"_qs});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, u"VANTOREL.TestCtrl.1 "_qs + id(ids::kClass) + u" \"Vantorel Test Control\" version 2.5.7\n"_qs +
                       u"type library "_qs + id(ids::kTypeLib) + u" 1.0 \"Vantorel test control\"\n"_qs +
                       u"interface _DTest "_qs + id(ids::kDispatch) + u" \"Dispatch interface for Test Control\"\n"_qs +
                       u"interface _DTestEvents "_qs + id(ids::kEvents) +
                       u" \"Event interface for Test Control\"\n"_qs +
                       u"members:\n"
                       u"  1 Version: property string, read-only\n"
                       u"  2 Counter: property short, read-write\n"
                       u"  3 Add: method (long, long) -> long\n"
                       u"  4 Ring: method (short) -> void\n"
                       u"  5 WindowHandle: method () -> address\n"
                       u"  6 Ask: method (string, [variant]) -> bool\n"
                       u"events:\n"
                       u"  1 Rung(short, string)\n"
                       u"  2 Asking(string, variant, byref bool)\n"_qs);
  const ToolRun missing = container({u"--describe"_qs, u"NO.SUCH.Class"_qs});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_TRUE(missing.err.contains(u"cannot create NO.SUCH.Class"_qs)) << missing.err.toStdString();
}
