#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/com/VersionResource.h"
#include "platform/com/tests/TestComponentIds.h"
#include "platform/messages/WindowMessages.h"
#include "platform/registry/Registry.h"

namespace fs = std::filesystem;
using namespace vantorel::com;
using vantorel::registry::store;

namespace {

QApplication& app() {
  return *qApp;
}  // made by the GUI test main

class ComponentModel : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    dir_ = fs::temp_directory_path() / ("vantorel-com-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    vantorel::registry::useStoreFile(dir_ / "registry.reg");
    fs::remove(dir_ / "registry.reg");
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

const std::string kClsidKey = "HKCR\\CLSID\\" + testids::kClass.toString();

}  // namespace

TEST_F(ComponentModel, RegisterCreateInvokeEventUnregister) {
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  EXPECT_EQ(store().queryString(kClsidKey + "\\InprocServer32", ""), fs::canonical(TEST_COMPONENT_PATH).string());
  EXPECT_EQ(store().queryString(kClsidKey + "\\ProgID", ""), "VANTOREL.TestCtrl.1");
  EXPECT_EQ(store().queryString(kClsidKey + "\\MiscStatus\\1", ""), "131473");
  EXPECT_EQ(store().queryString("HKCR\\VANTOREL.TestCtrl.1\\CLSID", ""), testids::kClass.toString());
  EXPECT_EQ(classIdFromProgId("vantorel.testctrl.1"), testids::kClass);

  CreateResult created = createControl(testids::kClass);
  ASSERT_NE(created.control, nullptr) << created.error.toStdString();
  std::unique_ptr<Control> control(created.control);

  // Every kind of member, and the distinct failures.
  EXPECT_EQ(control->invoke(1, InvokeKind::PropertyGet, {}).value, Variant::fromString(u"2.5.7"_qs));
  EXPECT_EQ(control->invoke(1, InvokeKind::Method, {}).value.toString(), u"2.5.7"_qs);
  EXPECT_EQ(control->invoke(1, InvokeKind::PropertyPut, {Variant::fromString(u"9"_qs)}).status,
            DispStatus::NotSupported);
  EXPECT_TRUE(control->invoke(2, InvokeKind::PropertyPut, {Variant::fromLong(42)}).ok());
  EXPECT_EQ(control->invoke(2, InvokeKind::PropertyGet, {}).value, Variant::fromShort(42));
  EXPECT_EQ(control->invoke(2, InvokeKind::PropertyPut, {Variant::fromLong(70000)}).status, DispStatus::TypeMismatch);
  EXPECT_EQ(control->invoke(3, InvokeKind::Method, {Variant::fromShort(2), Variant::fromString(u"40"_qs)}).value,
            Variant::fromLong(42));
  EXPECT_EQ(control->invoke(3, InvokeKind::Method, {Variant::fromShort(2)}).status, DispStatus::BadParamCount);
  EXPECT_EQ(control->invoke(3, InvokeKind::Method, {Variant::fromShort(2), Variant::fromString(u"x"_qs)}).status,
            DispStatus::TypeMismatch);
  EXPECT_EQ(control->invoke(99, InvokeKind::Method, {}).status, DispStatus::UnknownMember);
  EXPECT_EQ(control->invoke(3, InvokeKind::PropertyPut, {Variant::fromLong(1)}).status, DispStatus::NotSupported);
  const Variant handle = control->invoke(5, InvokeKind::Method, {}).value;
  EXPECT_EQ(handle.type(), Variant::Type::Address);
  EXPECT_EQ(handle.toAddress(), reinterpret_cast<intptr_t>(control.get()));

  std::vector<std::pair<int, std::vector<Variant>>> events;
  control->advise([&](int id, std::vector<Variant>& args) { events.emplace_back(id, args); });
  EXPECT_TRUE(control->invoke(4, InvokeKind::Method, {Variant::fromLong(7)}).ok());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].first, 1);
  EXPECT_EQ(events[0].second, (std::vector<Variant>{Variant::fromShort(7), Variant::fromString(u"ring"_qs)}));
  EXPECT_EQ(control->findEvent(1)->name, "Rung");

  // The window: parent, child id, rectangle, visibility.
  QWidget parent;
  control->createWindow(&parent, 1010, QRect(5, 6, 120, 80), false);
  EXPECT_EQ(control->parentWidget(), &parent);
  EXPECT_EQ(vantorel::messages::childId(control.get()), 1010);
  EXPECT_EQ(control->geometry(), QRect(5, 6, 120, 80));
  EXPECT_FALSE(control->isVisibleTo(&parent));
  control.reset();

  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH, true), kOk);
  EXPECT_FALSE(store().keyExists(kClsidKey));
  EXPECT_FALSE(store().keyExists("HKCR\\VANTOREL.TestCtrl.1"));
  created = createControl(testids::kClass);
  EXPECT_EQ(created.control, nullptr);
  EXPECT_TRUE(created.error.contains(u"not registered"_qs));
  EXPECT_EQ(createControl("VANTOREL.TestCtrl.1").control, nullptr);
}

TEST_F(ComponentModel, CreationFailsCleanlyAtEveryStep) {
  // Registered at a missing file, at a file that is no library, at a library without entry points.
  const std::string key = kClsidKey + "\\InprocServer32";
  const fs::path notLibrary = dir_ / "text.ocx";
  std::ofstream(notLibrary) << "this is not a library";
  const std::string platformLibrary = modulePathOf(reinterpret_cast<const void*>(&registerServer));
  for (const std::string& path : {(dir_ / "missing.ocx").string(), notLibrary.string(), platformLibrary}) {
    ASSERT_TRUE(store().setString(key, "", path));
    const CreateResult r = createControl(testids::kClass);
    EXPECT_EQ(r.control, nullptr) << path;
    EXPECT_FALSE(r.error.isEmpty()) << path;
  }
  EXPECT_EQ(registerLibrary(notLibrary.string()), kFail);
  EXPECT_EQ(registerLibrary(platformLibrary), kFail);
  EXPECT_EQ(registerLibrary((dir_ / "missing.ocx").string()), kFail);
  // A library asked for a class it does not serve.
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  ASSERT_TRUE(
      store().setString("HKCR\\CLSID\\" + ids::kTabrelClass.toString() + "\\InprocServer32", "", TEST_COMPONENT_PATH));
  EXPECT_EQ(createControl(ids::kTabrelClass).control, nullptr);
  EXPECT_EQ(createControl("{not a guid}").control, nullptr);
  EXPECT_EQ(createControl("NO.SUCH.ProgID").control, nullptr);
}

TEST_F(ComponentModel, RegisteringAgainKeepsALibraryInUseLoaded) {
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  std::unique_ptr<Control> first(createControl(testids::kClass).control);
  ASSERT_TRUE(first);
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  std::unique_ptr<Control> second(createControl(testids::kClass).control);
  ASSERT_TRUE(second);
  // The first control's code is still there to answer.
  EXPECT_EQ(first->invoke(3, InvokeKind::Method, {Variant::fromLong(1), Variant::fromLong(2)}).value,
            Variant::fromLong(3));
}

TEST_F(ComponentModel, ControlDiesWithItsParentWindow) {
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  auto* parent = new QWidget;
  QPointer<Control> control = createControl("VANTOREL.TestCtrl.1").control;
  ASSERT_TRUE(control);
  control->createWindow(parent, 1, QRect(0, 0, 10, 10), true);
  delete parent;
  EXPECT_TRUE(control.isNull());
}

TEST_F(ComponentModel, FennickAnswersItsVersionAsAMethod) {
  ASSERT_EQ(registerLibrary(FENNICK_PATH), kOk);
  std::unique_ptr<Control> fennick(createControl(ids::kFennickClass).control);
  ASSERT_TRUE(fennick);
  EXPECT_EQ(fennick->invoke(1, InvokeKind::Method, {}).value, Variant::fromString(u"1.0.010"_qs));
  EXPECT_EQ(fennick->invoke(2, InvokeKind::Method, {}).status, DispStatus::UnknownMember);
  EXPECT_EQ(readFileVersion(FENNICK_PATH), (FileVersion{1u << 16, 10}));
}

TEST(Guids, ParseAndFormat) {
  const auto g = Guid::parse("{eab22ac3-30c1-11cf-a7eb-0000c05bae0b}");
  ASSERT_TRUE(g);
  EXPECT_EQ(*g, ids::kPageBrowserClass);
  EXPECT_EQ(g->toString(), "{EAB22AC3-30C1-11CF-A7EB-0000C05BAE0B}");
  EXPECT_EQ(g->toBareString(), "EAB22AC3-30C1-11CF-A7EB-0000C05BAE0B");
  EXPECT_EQ(Guid::parse("EAB22AC3-30C1-11CF-A7EB-0000C05BAE0B"), g);
  EXPECT_FALSE(Guid::parse("{EAB22AC3-30C1-11CF-A7EB-0000C05BAE0B"));
  EXPECT_FALSE(Guid::parse("EAB22AC3+30C1-11CF-A7EB-0000C05BAE0B"));
  EXPECT_FALSE(Guid::parse("EAB22AC3-30C1-11CF-A7EB-0000C05BAE0G"));
  // Every identifier of the system is distinct.
  const Guid all[] = {ids::kTabrelClass,
                      ids::kTabrelDispatch,
                      ids::kTabrelEvents,
                      ids::kTabrelTypeLib,
                      ids::kBrovikClass,
                      ids::kBrovikDispatch,
                      ids::kBrovikEvents,
                      ids::kBrovikTypeLib,
                      ids::kDravixClass,
                      ids::kDravixDispatch,
                      ids::kDravixEvents,
                      ids::kDravixTypeLib,
                      ids::kKestrinClass,
                      ids::kKestrinDispatch,
                      ids::kKestrinEvents,
                      ids::kKestrinTypeLib,
                      ids::kFennickClass,
                      ids::kFennickDispatch,
                      ids::kFennickEvents,
                      ids::kFennickTypeLib,
                      ids::kPageBrowserClass,
                      ids::kLegacyMoleculeControllerClass,
                      ids::kLegacyMoleculeZoomClass};
  for (size_t i = 0; i < std::size(all); ++i)
    for (size_t j = i + 1; j < std::size(all); ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
}

TEST(Variants, ConvertAsDispatchCoercesArguments) {
  EXPECT_EQ(Variant::fromLong(5).convertedTo(Variant::Type::Short), Variant::fromShort(5));
  EXPECT_FALSE(Variant::fromLong(40000).convertedTo(Variant::Type::Short));
  EXPECT_EQ(Variant::fromString(u" -12 "_qs).convertedTo(Variant::Type::Long), Variant::fromLong(-12));
  EXPECT_FALSE(Variant::fromString(u"12a"_qs).convertedTo(Variant::Type::Long));
  EXPECT_EQ(Variant::fromLong(0).convertedTo(Variant::Type::Bool), Variant::fromBool(false));
  EXPECT_EQ(Variant::fromBool(true).convertedTo(Variant::Type::Long), Variant::fromLong(-1));
  EXPECT_EQ(Variant::fromShort(3).convertedTo(Variant::Type::String), Variant::fromString(u"3"_qs));
  const intptr_t big = intptr_t{1} << 40;
  EXPECT_EQ(Variant::fromAddress(big).toAddress(), big);
  EXPECT_FALSE(Variant::fromAddress(big).convertedTo(Variant::Type::Long));
  EXPECT_EQ(Variant::fromString(u"Ά"_qs).display(), u"\"Ά\""_qs);
  EXPECT_EQ(Variant().display(), u"(empty)"_qs);
}

TEST_F(ComponentModel, EventSinkWritesByReferenceArgumentsAndOptionalParametersMayBeLeftOut) {
  ASSERT_EQ(registerLibrary(TEST_COMPONENT_PATH), kOk);
  std::unique_ptr<Control> control(createControl(testids::kClass).control);
  ASSERT_TRUE(control);
  std::vector<Variant> levels;
  control->advise([&](int id, std::vector<Variant>& args) {
    ASSERT_EQ(id, 2);
    levels.push_back(args[1]);
    if (args[0].toString() == u"stop") args[2] = Variant::fromBool(true);
  });
  EXPECT_EQ(control->invoke(6, InvokeKind::Method, {Variant::fromString(u"stop"_qs)}).value, Variant::fromBool(true));
  EXPECT_EQ(control->invoke(6, InvokeKind::Method, {Variant::fromString(u"go"_qs), Variant::fromLong(14)}).value,
            Variant::fromBool(false));
  // The left-out level arrives empty; a passed one arrives as it was, unconverted.
  EXPECT_EQ(levels, (std::vector<Variant>{Variant(), Variant::fromLong(14)}));
  EXPECT_EQ(control->invoke(6, InvokeKind::Method, {}).status, DispStatus::BadParamCount);
  EXPECT_EQ(
      control->invoke(6, InvokeKind::Method, {Variant::fromString(u"x"_qs), Variant::fromLong(1), Variant::fromLong(2)})
          .status,
      DispStatus::BadParamCount);
  const EventInfo* asking = control->findEvent(2);
  ASSERT_TRUE(asking);
  EXPECT_EQ(asking->byReference, (std::vector<bool>{false, false, true}));
}

namespace {
class Document : public QObject, public Dispatchable {
 public:
  Document() {
    table_.method(1, "Copy", {}, Variant::Type::Long,
                  [this](const std::vector<Variant>&) { return Variant::fromLong(++copies_); });
  }
  InvokeResult invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) override {
    return table_.invoke(dispid, kind, args);
  }
  const DispatchTable& dispatchTable() const override { return table_; }

 private:
  DispatchTable table_;
  int copies_ = 0;
};
}  // namespace

TEST(VariantObject, ReachesALiveObjectOnlyAndConvertsToNothingElse) {
  auto* document = new Document;
  const Variant value = Variant::fromObject(document);
  EXPECT_EQ(value.type(), Variant::Type::Object);
  ASSERT_EQ(dispatchableOf(value), document);
  EXPECT_EQ(dispatchableOf(value)->invoke(1, InvokeKind::Method, {}).value, Variant::fromLong(1));
  EXPECT_FALSE(value.convertedTo(Variant::Type::Long));
  EXPECT_FALSE(value.convertedTo(Variant::Type::String));
  EXPECT_FALSE(value.convertedTo(Variant::Type::Address));
  EXPECT_FALSE(Variant::fromLong(5).convertedTo(Variant::Type::Object));
  EXPECT_EQ(value.convertedTo(Variant::Type::Any), value);
  EXPECT_EQ(dispatchableOf(Variant::fromLong(5)), nullptr);
  delete document;
  EXPECT_EQ(value.toObject(), nullptr);
  EXPECT_EQ(dispatchableOf(value), nullptr);
  EXPECT_EQ(value.display(), u"(object gone)"_qs);
}
