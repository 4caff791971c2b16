// Our speed changes to the layout engine (see third_party/litehtml/README.md) must give the same
// styles as the engine's own way: rules matched by tag, declarations parsed once per rule,
// inherited lookups that skip names no style holds, text split as UTF-8.
#include <gtest/gtest.h>
#include <litehtml/litehtml.h>

#include <string>
#include <vector>

#include "platform/browser/PageContainer.h"

namespace vantorel::browser {
namespace {

using litehtml::element;

class LayoutEngine : public ::testing::Test {
 protected:
  std::shared_ptr<litehtml::document> load(const std::string& html) {
    doc_ = container_.load(html, u"/nonexistent/"_qs);
    if (doc_) doc_->render(600);
    return doc_;
  }
  // The first element with this tag, depth first.
  static element::ptr find(const element::ptr& from, const char* tag) {
    if (!from) return nullptr;
    if (const char* name = from->get_tagName(); name && std::string(name) == tag) return from;
    for (size_t i = 0; i < from->get_children_count(); ++i) {
      if (auto found = find(from->get_child(static_cast<int>(i)), tag)) return found;
    }
    return nullptr;
  }
  element::ptr find(const char* tag) const { return find(doc_ ? doc_->root() : nullptr, tag); }
  static std::string property(const element::ptr& el, const char* name, bool inherited = false) {
    const char* value = el ? el->get_style_property(name, inherited, nullptr) : nullptr;
    return value ? value : "(none)";
  }

  PageContainer container_;
  std::shared_ptr<litehtml::document> doc_;
};

TEST_F(LayoutEngine, RulesApplyAsTheEngineOrdersThemWhateverTheirSelectorNames) {
  ASSERT_TRUE(load(R"(<html><head><style>
      html { --gap: 5px; }
      * { word-spacing: 1px; }
      .wide { margin-left: 7px; }
      #first { margin-right: 3px; }
      [align] { padding-top: 2px; }
      ul > li + li { padding-left: 4px; }
      p { color: green !important; border-left: 2px solid blue; }
      p { color: blue; border-left-width: 3px; }
      b { padding-left: var(--gap); }
      li { white-space: nowrap; white-space: bogus; }
    </style></head><body>
      <p id="first" class="wide" align="left">One <b>two</b></p>
      <ul><li>a</li><li>b</li></ul>
    </body></html>)"));
  const element::ptr p = find("p");
  // Universal, class, id and attribute rules all reach an element they do not name by tag.
  EXPECT_EQ(property(p, "word-spacing"), "1px");
  EXPECT_EQ(property(p, "margin-left"), "7px");
  EXPECT_EQ(property(p, "margin-right"), "3px");
  EXPECT_EQ(property(p, "padding-top"), "2px");
  // An !important value holds against a later plain one; a later plain width replaces the
  // shorthand's, and the shorthand's other parts stay.
  EXPECT_EQ(property(p, "color"), "green");
  EXPECT_EQ(property(p, "border-left-width"), "3px");
  EXPECT_EQ(property(p, "border-left-style"), "solid");
  // A variable takes the value the element inherits.
  EXPECT_EQ(property(find("b"), "padding-left"), "5px");
  // A combinator rule reaches the second item only; an invalid value is dropped, the valid one
  // before it stays.
  const element::ptr first = find("li");
  ASSERT_TRUE(first && first->parent());
  const element::ptr second = first->parent()->get_child(static_cast<int>(first->parent()->get_children_count()) - 1);
  EXPECT_EQ(property(first, "padding-left"), "(none)");
  EXPECT_EQ(property(second, "padding-left"), "4px");
  EXPECT_EQ(property(second, "white-space"), "nowrap");
}

TEST_F(LayoutEngine, InheritedLookupsReachTheWordsOnlyForNamesSomeElementHolds) {
  ASSERT_TRUE(load(R"(<html><head><style> i { text-transform: uppercase; letter-spacing: 2px; }
    </style></head><body><p><i><font>deep <u>word</u></font></i></p></body></html>)"));
  const element::ptr u = find("u");
  ASSERT_TRUE(u && u->get_children_count() > 0);
  const element::ptr word = u->get_child(0);
  EXPECT_EQ(property(word, "text-transform", true), "uppercase");
  EXPECT_EQ(property(word, "letter-spacing", true), "2px");
  EXPECT_EQ(property(word, "text-transform", false), "(none)");
  EXPECT_EQ(property(word, "-vantorel-never-set", true), "(none)");
  const char* fallback = word->get_style_property("-vantorel-never-set", true, "fallback");
  EXPECT_STREQ(fallback, "fallback");
}

TEST_F(LayoutEngine, TextSplitsIntoTheSameWordsAndSpaces) {
  std::vector<std::string> parts;
  const auto split = [&](const char* text) {
    parts.clear();
    container_.split_text(
        text, [&](const char* w) { parts.push_back("w:" + std::string(w)); },
        [&](const char* s) { parts.push_back("s:" + std::string(s)); });
  };
  split("Ελληνικά  κείμενο\tx");
  EXPECT_EQ(parts, (std::vector<std::string>{"w:Ελληνικά", "s: ", "s: ", "w:κείμενο", "s:\t", "w:x"}));
  // Each character of the CJK range is a word of its own; other three-byte characters are not.
  split("漢字テスト a鿌");
  EXPECT_EQ(parts, (std::vector<std::string>{"w:漢", "w:字", "w:テスト", "s: ", "w:a", "w:鿌"}));
  // A sequence cut short by the end of the text is kept as far as it goes, and nothing is read past it.
  const std::string cut = std::string("ab") + "\xE6\xBC";
  split(cut.c_str());
  EXPECT_EQ(parts, (std::vector<std::string>{"w:" + cut}));
  split("");
  EXPECT_TRUE(parts.empty());
}

TEST_F(LayoutEngine, KeywordListsAndZeroLengths) {
  EXPECT_EQ(litehtml::value_index("auto", "auto;none", -1), 0);
  EXPECT_EQ(litehtml::value_index("none", "auto;none", -1), 1);
  EXPECT_EQ(litehtml::value_index("non", "auto;none", -1), -1);
  EXPECT_EQ(litehtml::value_index("nonee", "auto;none", -1), -1);
  EXPECT_EQ(litehtml::value_index("", "auto;none", -1), -1);
  EXPECT_EQ(litehtml::value_index("b", "a;;b", -1), 2);
  EXPECT_EQ(litehtml::value_index("b", "a;b;", -1), 1);
  EXPECT_EQ(litehtml::value_index("x", "a;b;", -1), -1);

  litehtml::css_length zero;
  zero.fromString("0", "auto");
  EXPECT_FALSE(zero.is_predefined());
  EXPECT_EQ(zero.val(), 0.0f);
  EXPECT_EQ(zero.units(), litehtml::css_units_none);
  litehtml::css_length pixels;
  pixels.fromString("0px", "auto");
  EXPECT_EQ(pixels.units(), litehtml::css_units_px);
  litehtml::css_length keyword;
  keyword.fromString("0", "0;auto");
  EXPECT_TRUE(keyword.is_predefined());
  EXPECT_EQ(keyword.predef(), 0);
}

}  // namespace
}  // namespace vantorel::browser
