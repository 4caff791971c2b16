// Addresses stay addresses, member tables have one member per number and name, a throwing member
// is a failed call, and events reach the sink only as declared.
#include <gtest/gtest.h>

#include <QtGlobal>
#include <stdexcept>

#include "platform/com/Control.h"

using namespace vantorel::com;

namespace {

// Collects the warnings logged while it lives.
class Warnings {
 public:
  Warnings() {
    messages().clear();
    previous_ = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages().push_back(text); });
  }
  ~Warnings() { qInstallMessageHandler(previous_); }
  static QStringList& messages() {
    static QStringList list;
    return list;
  }

 private:
  QtMessageHandler previous_;
};

class EventControl : public Control {
 public:
  EventControl() {
    declareEvent(1, "Picked", {Variant::Type::Short, Variant::Type::Address});
    declareEvent(2, "Asking", {Variant::Type::Bool}, {0});
  }
  using Control::fireEvent;
};

}  // namespace

TEST(StrictAddress, AnAddressParameterTakesOnlyAnAddressOrEmpty) {
  DispatchTable table;
  intptr_t received = -1;
  ASSERT_TRUE(table.method(1, "Take", {Variant::Type::Address}, Variant::Type::Empty, [&](const auto& a) {
    received = a[0].toAddress();
    return Variant();
  }));
  const intptr_t big = (intptr_t{1} << 40) + 0x1234;
  EXPECT_TRUE(table.invoke(1, InvokeKind::Method, {Variant::fromAddress(big)}).ok());
  EXPECT_EQ(received, big);  // all 64 bits arrive
  EXPECT_TRUE(table.invoke(1, InvokeKind::Method, {Variant()}).ok());
  EXPECT_EQ(received, 0);
  received = -1;
  for (const Variant& wrong : {Variant::fromLong(0x1234), Variant::fromShort(1), Variant::fromBool(true),
                               Variant::fromString(u"4660"_qs), Variant::fromString(u"0x1234"_qs)}) {
    EXPECT_EQ(table.invoke(1, InvokeKind::Method, {wrong}).status, DispStatus::TypeMismatch)
        << wrong.display().toStdString();
  }
  EXPECT_EQ(received, -1);  // the member never ran

  // An address property refuses a long put the same way.
  intptr_t stored = 7;
  ASSERT_TRUE(table.property(
      2, "Block", Variant::Type::Address, [&] { return Variant::fromAddress(stored); },
      [&](const Variant& v) { stored = v.toAddress(); }));
  EXPECT_EQ(table.invoke(2, InvokeKind::PropertyPut, {Variant::fromLong(99)}).status, DispStatus::TypeMismatch);
  EXPECT_EQ(stored, 7);
}

TEST(StrictAddress, AnAddressBecomesNoOtherTypeAndReadingItAsANumberIsReported) {
  const Variant address = Variant::fromAddress(0x10);  // small enough to fit any number type
  for (auto type : {Variant::Type::Short, Variant::Type::Long, Variant::Type::Bool, Variant::Type::String})
    EXPECT_FALSE(address.convertedTo(type)) << typeName(type);
  EXPECT_EQ(address.convertedTo(Variant::Type::Any), address);
  EXPECT_EQ(Variant::fromLong(0x10).toAddress(), 0);

  DispatchTable table;
  ASSERT_TRUE(table.method(1, "Twice", {Variant::Type::Long}, Variant::Type::Long,
                           [](const auto& a) { return Variant::fromLong(a[0].toLong() * 2); }));
  EXPECT_EQ(table.invoke(1, InvokeKind::Method, {address}).status, DispStatus::TypeMismatch);

  Warnings warnings;
  EXPECT_EQ(address.toLong(), 0);
  ASSERT_EQ(Warnings::messages().size(), 1);
  EXPECT_TRUE(Warnings::messages()[0].contains(u"address"_qs));
  EXPECT_EQ(Variant::fromShort(3).toLong(), 3);
  EXPECT_EQ(Warnings::messages().size(), 1);  // ordinary conversions stay quiet
}

TEST(DispatchDeclarations, ASecondMemberWithATakenNumberOrNameIsRefused) {
  Warnings warnings;
  DispatchTable table;
  ASSERT_TRUE(table.method(5, "Show", {}, Variant::Type::Long, [](const auto&) { return Variant::fromLong(1); }));
  EXPECT_FALSE(table.method(5, "Other", {}, Variant::Type::Long, [](const auto&) { return Variant::fromLong(2); }));
  EXPECT_FALSE(table.property(6, "SHOW", Variant::Type::Long, [] { return Variant::fromLong(3); }));
  EXPECT_FALSE(table.property(5, "Size", Variant::Type::Long, [] { return Variant::fromLong(4); }));
  EXPECT_EQ(Warnings::messages().size(), 3);

  // Lookup by number, by name and invoke all find the one member that was declared first.
  ASSERT_EQ(table.members().size(), 1u);
  EXPECT_EQ(table.find(5)->name, "Show");
  EXPECT_EQ(table.findByName("show")->dispid, 5);
  EXPECT_EQ(table.find(6), nullptr);
  EXPECT_EQ(table.invoke(5, InvokeKind::Method, {}).value, Variant::fromLong(1));
  EXPECT_EQ(table.invoke(6, InvokeKind::PropertyGet, {}).status, DispStatus::UnknownMember);
}

TEST(DispatchDeclarations, AMemberThatThrowsIsAFailedCall) {
  Warnings warnings;
  DispatchTable table;
  ASSERT_TRUE(table.method(1, "Load", {}, Variant::Type::Long,
                           [](const auto&) -> Variant { throw std::runtime_error("disc removed"); }));
  ASSERT_TRUE(table.method(2, "Odd", {}, Variant::Type::Long, [](const auto&) -> Variant { throw 42; }));
  ASSERT_TRUE(table.property(
      3, "Level", Variant::Type::Long, []() -> Variant { throw std::bad_alloc(); },
      [](const Variant&) { throw std::logic_error("read-only today"); }));
  EXPECT_EQ(table.invoke(1, InvokeKind::Method, {}).status, DispStatus::MemberFailed);
  EXPECT_EQ(table.invoke(2, InvokeKind::Method, {}).status, DispStatus::MemberFailed);
  EXPECT_EQ(table.invoke(3, InvokeKind::PropertyGet, {}).status, DispStatus::MemberFailed);
  EXPECT_EQ(table.invoke(3, InvokeKind::PropertyPut, {Variant::fromLong(1)}).status, DispStatus::MemberFailed);
  EXPECT_TRUE(Warnings::messages().join(u'\n').contains(u"disc removed"_qs));
  EXPECT_STREQ(statusText(DispStatus::MemberFailed), "the member failed");
}

TEST(ControlEvents, OnlyDeclaredEventsWithMatchingArgumentsReachTheSink) {
  Warnings warnings;
  EventControl control;
  std::vector<std::pair<int, std::vector<Variant>>> fired;
  control.advise([&](int id, std::vector<Variant>& args) {
    fired.emplace_back(id, args);
    if (id == 2) args[0] = Variant::fromBool(true);
  });
  const intptr_t big = intptr_t{1} << 36;
  control.fireEvent(1, {Variant::fromLong(3), Variant::fromAddress(big)});
  control.fireEvent(1, {Variant::fromShort(3)});                                                 // too few
  control.fireEvent(1, {Variant::fromShort(3), Variant::fromAddress(1), Variant::fromLong(1)});  // too many
  control.fireEvent(1, {Variant::fromShort(3), Variant::fromLong(5)});                           // not an address
  control.fireEvent(9, {});                                                                      // not declared
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].second, (std::vector<Variant>{Variant::fromShort(3), Variant::fromAddress(big)}));
  EXPECT_EQ(Warnings::messages().size(), 4);

  const auto answer = control.fireEvent(2, {Variant::fromBool(false)});
  EXPECT_EQ(answer, (std::vector<Variant>{Variant::fromBool(true)}));
  // A refused event comes back as given.
  const auto refused = control.fireEvent(2, {});
  EXPECT_TRUE(refused.empty());
}
