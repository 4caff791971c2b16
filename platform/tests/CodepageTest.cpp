#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/codepage/Cp1253.h"
#include "platform/codepage/Cp1253Qt.h"

namespace cp = vantorel::codepage;

namespace {

// What the system's iconv makes of one byte, or nothing when it refuses the byte.
std::optional<std::string> iconvByte(unsigned char byte) {
  char path[] = "/tmp/cp1253-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return std::nullopt;
  FILE* f = fdopen(fd, "wb");
  std::fputc(byte, f);
  std::fclose(f);
  const std::string command = std::string("iconv -f CP1253 -t UTF-8 ") + path + " 2>/dev/null";
  FILE* p = popen(command.c_str(), "r");
  std::string out;
  char buf[16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int status = pclose(p);
  std::remove(path);
  if (status != 0) return std::nullopt;
  return out;
}

}  // namespace

TEST(Codepage, EveryByteAgreesWithIconv) {
  for (int b = 0; b < 256; ++b) {
    const auto expected = iconvByte(static_cast<unsigned char>(b));
    const std::string byte(1, static_cast<char>(b));
    if (expected) {
      EXPECT_EQ(cp::toUtf8(byte), *expected) << "byte " << b;
      const auto back = cp::fromUtf8(*expected);
      ASSERT_TRUE(back.has_value()) << "byte " << b;
      EXPECT_EQ(*back, byte) << "byte " << b;
    } else {
      // A byte the code page leaves undefined reads as the replacement character and cannot be
      // written back.
      EXPECT_EQ(cp::toUnicode(static_cast<unsigned char>(b)), U'\uFFFD') << "byte " << b;
    }
  }
}

TEST(Codepage, GreekTextBothWays) {
  const std::string utf8 = "Περιοδικός Πίνακας ΆΈΉΊΌΎΏ άέήίόύώ ϊϋΐΰ ς";
  const auto bytes = cp::fromUtf8(utf8);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 41u);
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xD0);  // Π
  EXPECT_EQ(cp::toUtf8(*bytes), utf8);
}

TEST(Codepage, RejectsWhatCannotBeWritten) {
  size_t bad = 99;
  EXPECT_FALSE(cp::fromUtf8("abc Ж", &bad));  // Cyrillic
  EXPECT_EQ(bad, 4u);
  EXPECT_FALSE(cp::fromUtf8("\xC0\xAF", &bad));      // overlong '/'
  EXPECT_FALSE(cp::fromUtf8("\xED\xA0\x80", &bad));  // surrogate
  EXPECT_FALSE(cp::fromUtf8("ok\xCE", &bad));        // cut in the middle of a character
  EXPECT_EQ(bad, 2u);
  EXPECT_FALSE(cp::fromUtf8("\xFF", &bad));
  EXPECT_EQ(cp::fromUtf8Lossy("aЖb\xCE"), "a?b?");
  EXPECT_EQ(cp::fromUtf8(""), std::string());
}

TEST(Codepage, CaseMappingOfGreekLetters) {
  const auto upper = *cp::fromUtf8("ΑΒΓΣΩΆΈΌΏΪ");
  const auto lower = *cp::fromUtf8("αβγσωάέόώϊ");
  for (size_t i = 0; i < upper.size(); ++i) {
    EXPECT_EQ(cp::toLower(static_cast<unsigned char>(upper[i])), static_cast<unsigned char>(lower[i])) << i;
    EXPECT_EQ(cp::toUpper(static_cast<unsigned char>(lower[i])), static_cast<unsigned char>(upper[i])) << i;
  }
  EXPECT_EQ(cp::toUpper(static_cast<unsigned char>((*cp::fromUtf8("ς"))[0])),
            static_cast<unsigned char>((*cp::fromUtf8("Σ"))[0]));
  EXPECT_EQ(cp::toLower('Q'), 'q');
  EXPECT_EQ(cp::toLower(0xD2), 0xD2);  // undefined byte stays
  EXPECT_EQ(cp::toUpper(0xC0), 0xC0);  // ΐ has no capital
}

// Widget text is made a byte at a time: every byte, NUL included, is one character, and the
// defined ones come back unchanged.
TEST(Codepage, WidgetTextOfEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = cp::toQString(all);
  ASSERT_EQ(text.size(), 256);
  std::string defined;
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(static_cast<char32_t>(text.at(b).unicode()), cp::toUnicode(static_cast<unsigned char>(b))) << b;
    if (cp::toUnicode(static_cast<unsigned char>(b)) != U'\uFFFD') defined.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(cp::fromQString(cp::toQString(defined)), defined);
  EXPECT_EQ(cp::toQString("\xd3\xdf\xe4\xe7\xf1\xef\xf2"), QStringLiteral(u"Σίδηρος"));
}
