#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <memory>

#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/com/VersionResource.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "platform/ui/StringTable.h"

namespace fs = std::filesystem;
using namespace vantorel::com;
using vantorel::registry::store;

namespace {

class KestrinLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-kestrin-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    vantorel::registry::useStoreFile(dir_ / "registry.reg");
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

const std::string kClsidKey = "HKCR\\CLSID\\" + ids::kKestrinClass.toString();

}  // namespace

TEST_F(KestrinLibrary, RegistersItsIdentityAndAnswersOnlyItsVersion) {
  ASSERT_EQ(registerLibrary(KESTRIN_PATH), kOk);
  EXPECT_EQ(store().queryString(kClsidKey, ""), "Brisamo Molecule Controller");
  EXPECT_EQ(store().queryString(kClsidKey + "\\ProgID", ""), "KESTRIN.KestrinCtrlGK.1");
  EXPECT_EQ(store().queryString(kClsidKey + "\\MiscStatus\\1", ""), "131473");
  const std::string interfaces = "HKEY_CLASSES_ROOT\\Interface\\";
  EXPECT_EQ(store().queryString(interfaces + ids::kKestrinDispatch.toString(), "HelpString"),
            "Dispatch interface for Kestrin Control");
  EXPECT_EQ(store().queryString(interfaces + ids::kKestrinEvents.toString(), "HelpString"),
            "Event interface for Kestrin Control");
  EXPECT_EQ(classIdFromProgId("KESTRIN.KestrinCtrlGK.1"), ids::kKestrinClass);
  EXPECT_EQ(readFileVersion(KESTRIN_PATH), (FileVersion{0x10000, 12}));
  // The registered type name is string 1 of the control's own table.
  EXPECT_EQ(vantorel::ui::resourceString(u"kestrin"_qs, 1).toStdString(), "Brisamo Molecule Controller");

  CreateResult created = createControl("KESTRIN.KestrinCtrlGK.1");
  ASSERT_NE(created.control, nullptr) << created.error.toStdString();
  std::unique_ptr<Control> control(created.control);
  EXPECT_EQ(control->invoke(1, InvokeKind::PropertyGet, {}).value, Variant::fromString(u"1.0.012"_qs));
  EXPECT_EQ(control->invoke(1, InvokeKind::PropertyPut, {Variant::fromString(u"2.0"_qs)}).status,
            DispStatus::NotSupported);
  EXPECT_EQ(control->invoke(1, InvokeKind::PropertyGet, {}).value, Variant::fromString(u"1.0.012"_qs));
  EXPECT_EQ(control->invoke(2, InvokeKind::Method, {}).status, DispStatus::UnknownMember);
  EXPECT_TRUE(control->eventTable().empty());
  ASSERT_EQ(control->dispatchTable().members().size(), 1u);
  EXPECT_EQ(control->dispatchTable().members()[0].name, "Version");
  EXPECT_TRUE(control->dispatchTable().members()[0].readOnly);
}
