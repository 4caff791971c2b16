// Our speed changes to the layout engine (see third_party/litehtml/README.md) must give the same
// styles as the engine's own way: rules matched by tag, declarations parsed once per rule,
// inherited lookups that skip names no style (or no ancestor's style) holds, unset properties
// taking their defaults, shorthands expanded, text split as UTF-8.
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
  // Every element with this tag, depth first.
  static void collect(const element::ptr& from, const char* tag, std::vector<element::ptr>& out) {
    if (!from) return;
    if (const char* name = from->get_tagName(); name && std::string(name) == tag) out.push_back(from);
    for (size_t i = 0; i < from->get_children_count(); ++i) collect(from->get_child(static_cast<int>(i)), tag, out);
  }
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

TEST_F(LayoutEngine, AnInheritedLookupFollowsAnAncestorsStyleChange) {
  // The hovered link gains a property none of its descendants' ancestors had when their styles
  // were first worked out; the word inside must see it once the link's style changes.
  ASSERT_TRUE(load(R"(<html><head><style> a:hover { letter-spacing: 3px; } </style></head>
    <body><a href="x.htm"><font><b>word</b></font></a></body></html>)"));
  const element::ptr b = find("b");
  ASSERT_TRUE(b && b->get_children_count() > 0);
  const element::ptr word = b->get_child(0);
  EXPECT_EQ(property(word, "letter-spacing", true), "(none)");
  const litehtml::position at = word->get_placement();
  litehtml::position::vector redraw;
  doc_->on_mouse_over(at.x + 1, at.y + 1, at.x + 1, at.y + 1, redraw);
  EXPECT_EQ(property(find("a"), "letter-spacing"), "3px");
  EXPECT_EQ(property(word, "letter-spacing", true), "3px");
  EXPECT_EQ(property(b, "letter-spacing", true), "3px");
  doc_->on_mouse_leave(redraw);
  EXPECT_EQ(property(word, "letter-spacing", true), "(none)");
}

TEST_F(LayoutEngine, UnsetPropertiesTakeTheirDefaultsAndSetOnesTheirValues) {
  ASSERT_TRUE(load(R"(<html><body><div><span>x</span></div>
    <p style="float: left; position: relative; visibility: hidden; white-space: pre">y</p>
    <ul><li style="list-style-type: square">z</li></ul></body></html>)"));
  const element::ptr span = find("span");
  ASSERT_TRUE(span);
  EXPECT_EQ(span->get_display(), litehtml::display_inline);
  EXPECT_EQ(span->get_element_position(), litehtml::element_position_static);
  EXPECT_EQ(span->get_float(), litehtml::float_none);
  EXPECT_EQ(span->get_visibility(), litehtml::visibility_visible);
  EXPECT_EQ(span->get_white_space(), litehtml::white_space_normal);
  EXPECT_EQ(span->get_clear(), litehtml::clear_none);
  const element::ptr p = find("p");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->get_display(), litehtml::display_block);
  EXPECT_EQ(p->get_element_position(), litehtml::element_position_relative);
  EXPECT_EQ(p->get_float(), litehtml::float_left);
  EXPECT_EQ(p->get_visibility(), litehtml::visibility_hidden);
  EXPECT_EQ(p->get_white_space(), litehtml::white_space_pre);
  EXPECT_EQ(find("li")->get_display(), litehtml::display_list_item);

  // A keyword property's list, worked out when compiling.
  static constexpr litehtml::keyword_list words("thin;medium;thick", "medium", -1);
  static_assert(words.unset == 1);
  EXPECT_EQ(words.of(nullptr), 1);
  EXPECT_EQ(words.of("thick"), 2);
  EXPECT_EQ(words.of("wide"), -1);
}

TEST_F(LayoutEngine, ShorthandsExpandAndOtherNamesAreKeptAsTheyAre) {
  ASSERT_TRUE(load(R"(<html><body><p style="margin: 1px 2px; border: 4px solid red;
    font: bold 12px serif; background: #00ff00; list-style: square inside; color: blue;
    font-size: 14px; border-top-width: 5px">x</p></body></html>)"));
  const element::ptr p = find("p");
  EXPECT_EQ(property(p, "margin-top"), "1px");
  EXPECT_EQ(property(p, "margin-left"), "2px");
  EXPECT_EQ(property(p, "margin"), "(none)");
  EXPECT_EQ(property(p, "border-left-style"), "solid");
  EXPECT_EQ(property(p, "border-bottom-width"), "4px");
  EXPECT_EQ(property(p, "border-top-width"), "5px");
  EXPECT_EQ(property(p, "font-weight"), "bold");
  EXPECT_EQ(property(p, "font-size"), "14px");
  EXPECT_EQ(property(p, "background-color"), "#00ff00");
  EXPECT_EQ(property(p, "list-style-type"), "square");
  EXPECT_EQ(property(p, "list-style-position"), "inside");
  EXPECT_EQ(property(p, "color"), "blue");
}

// A FONT's, table's, row's or cell's attributes are turned into style once and then reused for
// the same attributes: the cell's table and the rewritten attributes come with them.
TEST_F(LayoutEngine, RepeatedAttributesGiveWhatTheyGaveTheFirstTime) {
  const std::string cell = R"(<TR BGCOLOR=#00FF00><TD ALIGN=CENTER BGCOLOR="#FF0000" WIDTH=50>)"
                           R"(<FONT FACE="Arial Greek" SIZE=2 COLOR=#0000FF>x</FONT></TD></TR>)";
  ASSERT_TRUE(load("<html><body><TABLE CELLPADDING=4 BORDER=1>" + cell + "</TABLE><TABLE CELLPADDING=9>" + cell +
                   "</TABLE><TABLE CELLPADDING=4 BORDER=1>" + cell + "</TABLE></body></html>"));
  std::vector<element::ptr> cells;
  std::vector<element::ptr> fonts;
  collect(doc_->root(), "td", cells);
  collect(doc_->root(), "font", fonts);
  ASSERT_EQ(cells.size(), 3u);
  ASSERT_EQ(fonts.size(), 3u);
  for (const element::ptr& td : cells) {
    EXPECT_STREQ(td->get_attr("align"), "center");
    EXPECT_STREQ(td->get_attr("width"), "50px");
    EXPECT_EQ(property(td, "text-align"), "center");
    EXPECT_EQ(property(td, "background-color"), "#FF0000");
    EXPECT_EQ(property(td, "width"), "50px");
  }
  EXPECT_EQ(property(cells[0], "padding-left"), "4px");
  EXPECT_EQ(property(cells[0], "border-left-style"), "inset");
  EXPECT_EQ(property(cells[1], "padding-left"), "9px");
  EXPECT_EQ(property(cells[1], "border-left-style"), "(none)");
  EXPECT_EQ(property(cells[2], "padding-left"), "4px");
  EXPECT_EQ(property(cells[2], "border-left-style"), "inset");
  for (const element::ptr& font : fonts) {
    EXPECT_EQ(property(font, "font-family"), "'Arial'");
    EXPECT_EQ(property(font, "font-size"), "13px");
    EXPECT_EQ(property(font, "color"), "#0000FF");
  }
}

// An element that sets nothing of its font takes its parent's; one that sets a part of it, or a
// size, gets a font of its own.
TEST_F(LayoutEngine, AnElementHasItsParentsFontUnlessItSetsPartOfIt) {
  ASSERT_TRUE(load(R"(<html><body><p>a <b>b</b> <i>c <span>d</span></i> <u>e</u> <font size=5>f</font>
    <span style="font-family: 'Courier New'">g</span> <span style="font-size: 16px">h</span></p></body></html>)"));
  const auto fontOf = [this](const char* tag, size_t n = 0) {
    std::vector<element::ptr> found;
    collect(doc_->root(), tag, found);
    return found.size() > n ? found[n]->get_font(nullptr) : litehtml::uint_ptr(0);
  };
  const litehtml::uint_ptr plain = fontOf("p");
  ASSERT_NE(plain, 0u);
  EXPECT_NE(fontOf("b"), plain);
  EXPECT_NE(fontOf("i"), plain);
  EXPECT_EQ(fontOf("span", 0), fontOf("i"));
  EXPECT_NE(fontOf("u"), plain);
  EXPECT_NE(fontOf("font"), plain);
  EXPECT_NE(fontOf("span", 1), plain);
  EXPECT_EQ(fontOf("span", 2), plain);  // the size the paragraph has already
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
  // A two-byte lead takes the byte after it along, whatever that byte is, as the engine always did.
  split("a\xCE b");
  EXPECT_EQ(parts, (std::vector<std::string>{"w:a\xCE b"}));
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

// Walks up the tree take the parent as a plain pointer. An element kept after its parent is
// freed has none; one moved to another parent has the new one, even when the old one, which
// still lists it, is freed.
TEST_F(LayoutEngine, AnElementKeptAfterItsParentHasNone) {
  load("<html><body><p><font>λέξη</font></p><div>x</div></body></html>");
  element::ptr font = find("font");
  const element::ptr div = find("div");
  ASSERT_TRUE(font && div);
  const element::ptr word = font->get_child(0);
  ASSERT_TRUE(word && word->parent_ptr() == font.get());
  {
    const element::ptr other = std::make_shared<litehtml::html_tag>(doc_);
    other->appendChild(div->get_child(0));
    div->appendChild(other->get_child(0));
  }
  EXPECT_EQ(div->get_child(0)->parent_ptr(), div.get());
  doc_.reset();
  font.reset();
  EXPECT_EQ(word->parent_ptr(), nullptr);
  EXPECT_EQ(word->get_inline_shift_left(), 0);
}

}  // namespace
}  // namespace vantorel::browser
