#include <gtest/gtest.h>

#include "platform/com/Blocks.h"
#include "tools/container/ContainerScript.h"

using namespace vantorel::container;
using vantorel::com::InvokeKind;
using vantorel::com::Variant;

TEST(ContainerScript, CallsWithEveryKindOfArgument) {
  QString error;
  const auto call = parseCall(u"InitData(\"/disc/, with \\\"comma\\\"\", -3, true, 0x10)"_qs, &error);
  ASSERT_TRUE(call) << error.toStdString();
  EXPECT_EQ(call->name, u"InitData"_qs);
  ASSERT_EQ(call->args.size(), 4u);
  EXPECT_EQ(call->args[0], Variant::fromString(u"/disc/, with \"comma\""_qs));
  EXPECT_EQ(call->args[1], Variant::fromLong(-3));
  EXPECT_EQ(call->args[2], Variant::fromBool(true));
  EXPECT_EQ(call->args[3], Variant::fromLong(16));

  const auto byNumber = parseCall(u"#6(1, 2)"_qs, &error);
  ASSERT_TRUE(byNumber);
  EXPECT_EQ(byNumber->dispid, 6);
  EXPECT_TRUE(byNumber->name.isEmpty());
  EXPECT_TRUE(parseCall(u"Initialise()"_qs, &error)->args.empty());
  EXPECT_TRUE(parseCall(u"Version"_qs, &error)->args.empty());
}

TEST(ContainerScript, MalformedCallsSayWhy) {
  QString error;
  EXPECT_FALSE(parseCall(u"Load(\"open"_qs, &error));
  EXPECT_FALSE(parseCall(u"Load(\"open)"_qs, &error));
  EXPECT_TRUE(error.contains(u"unterminated"_qs));
  EXPECT_FALSE(parseCall(u"Load(abc)"_qs, &error));
  EXPECT_FALSE(parseCall(u"Bad Name()"_qs, &error));
  EXPECT_FALSE(parseCall(u"#x()"_qs, &error));
  EXPECT_FALSE(parsePut(u"NoValue"_qs, &error));
  const auto put = parsePut(u"Axis=true"_qs, &error);
  ASSERT_TRUE(put);
  EXPECT_EQ(put->kind, InvokeKind::PropertyPut);
  EXPECT_EQ(put->args, (std::vector<Variant>{Variant::fromBool(true)}));
}

TEST(ContainerScript, CommandLineInOrder) {
  const auto parsed = parseCommandLine({u"--registry"_qs, u"/tmp/r.reg"_qs, u"--create"_qs, u"TABREL.TabrelCtrlGk.1"_qs,
                                        u"--size"_qs,     u"640x450"_qs,    u"--call"_qs,   u"LoadData(\"/d/\")"_qs,
                                        u"--get"_qs,      u"Version"_qs,    u"--put"_qs,    u"SortColumn=2"_qs,
                                        u"--click"_qs,    u"10,20"_qs,      u"--key"_qs,    u"abc{Enter}"_qs,
                                        u"--wait"_qs,     u"150"_qs,        u"--grab"_qs,   u"/tmp/x.png"_qs});
  ASSERT_TRUE(parsed.script) << parsed.error.toStdString();
  const Script& s = *parsed.script;
  EXPECT_EQ(s.registryFile, u"/tmp/r.reg"_qs);
  EXPECT_EQ(s.size, QSize(640, 450));
  ASSERT_EQ(s.actions.size(), 7u);
  EXPECT_EQ(s.actions[1].call.kind, InvokeKind::PropertyGet);
  EXPECT_EQ(s.actions[2].call.kind, InvokeKind::PropertyPut);
  EXPECT_EQ(s.actions[3].kind, Action::Kind::Click);
  EXPECT_EQ(s.actions[3].point, QPoint(10, 20));
  EXPECT_EQ(s.actions[5].milliseconds, 150);
  EXPECT_EQ(s.actions[6].text, u"/tmp/x.png"_qs);

  EXPECT_FALSE(parseCommandLine({}).script);
  EXPECT_FALSE(parseCommandLine({u"--click"_qs, u"1,2"_qs, u"--create"_qs, u"X"_qs}).script);
  EXPECT_FALSE(parseCommandLine({u"--create"_qs, u"X"_qs, u"--size"_qs, u"0x5"_qs}).script);
  EXPECT_FALSE(parseCommandLine({u"--create"_qs, u"X"_qs, u"--click"_qs, u"1;2"_qs}).script);
  EXPECT_FALSE(parseCommandLine({u"--create"_qs, u"X"_qs, u"--frobnicate"_qs, u"1"_qs}).script);
  EXPECT_FALSE(parseCommandLine({u"--create"_qs}).script);
  EXPECT_TRUE(parseCommandLine({u"--list"_qs}).script);
}

TEST(ContainerScript, BlockArgumentsBecomeAddressesOfRecordedBlocks) {
  QString error;
  const auto call = parseCall(u"Take([4, 0, 3, -5], x\"0a0B0c\", [])"_qs, &error);
  ASSERT_TRUE(call) << error.toStdString();
  ASSERT_EQ(call->args.size(), 3u);
  for (const Variant& arg : call->args) EXPECT_EQ(arg.type(), Variant::Type::Address);
  EXPECT_EQ(vantorel::com::readIntBlock(call->args[0].toAddress()), (std::vector<int32_t>{4, 0, 3, -5}));
  EXPECT_EQ(vantorel::com::readByteBlock(call->args[1].toAddress()), std::string("\x0a\x0b\x0c"));
  EXPECT_EQ(vantorel::com::blockSize(call->args[2].toAddress()), 0u);
  for (const char16_t* bad :
       {u"Take([1, 2)", u"Take([1, x])", u"Take([4294967296])", u"Take(x\"0a0\")", u"Take(x\"zz\")", u"Take(x\"-1\")"})
    EXPECT_FALSE(parseCall(QString::fromUtf16(bad), &error)) << QString::fromUtf16(bad).toStdString();
  const auto parsed =
      parseCommandLine({u"--create"_qs, u"X.Y.1"_qs, u"--clipboard"_qs, u"--clipboard-image"_qs, u"shot.png"_qs});
  ASSERT_TRUE(parsed.script) << parsed.error.toStdString();
  ASSERT_EQ(parsed.script->actions.size(), 2u);
  EXPECT_EQ(parsed.script->actions[0].kind, Action::Kind::Clipboard);
  EXPECT_EQ(parsed.script->actions[1].kind, Action::Kind::ClipboardImage);
  EXPECT_EQ(parsed.script->actions[1].text, u"shot.png"_qs);
}
