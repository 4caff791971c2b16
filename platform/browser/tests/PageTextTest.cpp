#include "platform/browser/core/PageText.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorel::browser {
namespace {

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(PageText, DecodesCodePage1253AndKeepsUtf8WithByteOrderMark) {
  // 0xA2 is capital alpha with tonos; 0xE1 small alpha.
  EXPECT_EQ(decodePage("\xA2\xE1"), "\xCE\x86\xCE\xB1");
  EXPECT_EQ(decodePage("\xEF\xBB\xBF\xCE\x86x"), "\xCE\x86x");
  EXPECT_EQ(decodePage(std::string("a\0b", 3)), "a b");
}

TEST(PageText, NestingBeyondTheLimitIsDroppedButTextAndClosingTagsStay) {
  std::string deep;
  for (int i = 0; i < 10000; ++i) deep += "<FONT SIZE=2>";
  deep += "text";
  const std::string out = limitNesting(deep, 250);
  EXPECT_EQ(count(out, "<FONT"), 250);
  EXPECT_NE(out.find("text"), std::string::npos);

  // Closing tags free their levels again, so a long flat page keeps every tag.
  std::string flat;
  for (int i = 0; i < 1000; ++i) flat += "<B>x</B>";
  EXPECT_EQ(limitNesting(flat, 3), flat);
}

TEST(PageText, EmptyAndSiblingClosedElementsDoNotDeepenTheNesting) {
  std::string page = "<TABLE>";
  for (int i = 0; i < 500; ++i) page += "<TR><TD><P>cell<BR><IMG SRC=a.gif><LI>";
  const std::string out = limitNesting(page, 5);
  EXPECT_EQ(count(out, "<TD>"), 500);
  EXPECT_EQ(count(out, "<IMG"), 500);
}

TEST(PageText, CommentsScriptsAndQuotedValuesAreNotTags) {
  const std::string page =
      "<!-- <B><B><B> --><SCRIPT>if (a<b && c<d) {}</SCRIPT><A TITLE=\"x>y<B>\">link</A><B>bold</B>";
  EXPECT_EQ(limitNesting(page, 2), page);
}

TEST(PageText, EndlessWordsAreCutButTagsReferencesAndLettersStayWhole) {
  const std::string word(25, 'x');
  EXPECT_EQ(limitWordLength(word, 10), "xxxxxxxxxx xxxxxxxxxx xxxxx");
  EXPECT_EQ(limitWordLength("<A HREF=\"" + word + "\">ab cd</A>", 10), "<A HREF=\"" + word + "\">ab cd</A>");
  EXPECT_EQ(limitWordLength("xxxxxxxx&amp;yy", 10), "xxxxxxxx&amp; yy");
  // Greek letters are two bytes each; a cut never falls between them.
  const std::string cut = limitWordLength(decodePage(std::string(15, '\xE1')), 5);
  EXPECT_EQ(cut.find(' '), 6u);
  EXPECT_EQ(decodePage(std::string(15, '\xE1')).size() + 4, cut.size());
}

TEST(PageText, AttributesOfATag) {
  const TagAttributes attributes = parseTagAttributes(R"( SRC="a b.mol" WIDTH=340 noshade Type='x/y'>)");
  ASSERT_EQ(attributes.size(), 4u);
  EXPECT_EQ(attributes[0], (std::pair<std::string, std::string>{"src", "a b.mol"}));
  EXPECT_EQ(attributes[1], (std::pair<std::string, std::string>{"width", "340"}));
  EXPECT_EQ(attributes[2], (std::pair<std::string, std::string>{"noshade", ""}));
  EXPECT_EQ(attributes[3], (std::pair<std::string, std::string>{"type", "x/y"}));
}

TEST(PageText, MetaRefreshForms) {
  const auto redirect = findMetaRefresh(
      R"(<HTML><HEAD><META HTTP-EQUIV="Refresh" Content="0; URL=/cache/12.htm"></HEAD><BODY></BODY></HTML>)");
  ASSERT_TRUE(redirect);
  EXPECT_EQ(redirect->seconds, 0);
  EXPECT_EQ(redirect->url, "/cache/12.htm");

  const auto quoted = findMetaRefresh(R"(<meta content="5;url='next.htm'" http-equiv=refresh>)");
  ASSERT_TRUE(quoted);
  EXPECT_EQ(quoted->seconds, 5);
  EXPECT_EQ(quoted->url, "next.htm");

  const auto self = findMetaRefresh(R"(<META HTTP-EQUIV=REFRESH CONTENT="99999999999">)");
  ASSERT_TRUE(self);
  EXPECT_EQ(self->seconds, 86400);
  EXPECT_EQ(self->url, "");

  EXPECT_FALSE(findMetaRefresh(R"(<META NAME="author" CONTENT="0; URL=x">)"));
  EXPECT_FALSE(findMetaRefresh(R"(<META HTTP-EQUIV="Refresh" CONTENT="soon">)"));
  EXPECT_FALSE(findMetaRefresh(R"(<METAX HTTP-EQUIV="Refresh" CONTENT="0">)"));
}

}  // namespace
}  // namespace vantorel::browser
