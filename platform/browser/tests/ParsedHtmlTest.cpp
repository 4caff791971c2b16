// A long page is parsed in two pieces at once. The tree must always be the one the whole page
// gives, and a page whose cut the parser cannot vouch for is parsed whole.
#include <gtest/gtest.h>
#include <litehtml/litehtml.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/browser/PageContainer.h"
#include "platform/browser/fuzz/GumboTree.h"

namespace vantorel::browser {
namespace {

using litehtml::parsed_html;
using test::treeOf;

// Parses `html` whole and cut wherever it can be; the trees must be the same.
bool cutAndCompare(const std::string& html) {
  const parsed_html whole(html, std::string::npos);
  const parsed_html pieces(html, 0);
  EXPECT_FALSE(whole.split());
  EXPECT_EQ(treeOf(pieces), treeOf(whole)) << html.substr(0, 300);
  return pieces.split();
}

// A page as the disc's pages are written: tables, fonts, lists with open items, paragraphs left
// open, comments and style text with tags in them, and character references.
std::string htmlPage(size_t atLeast) {
  std::string html =
      "<HTML>\n<HEAD>\n<TITLE>Μαγνήσιο <b></TITLE>\n<STYLE>p { margin: 0 } /* <table> */</STYLE>\n</HEAD>\n"
      "<BODY BGCOLOR=\"#FFFDF4\" TEXT=\"#1A1A1A\" LEFTMARGIN=12>\n";
  for (int n = 0; html.size() < atLeast; ++n) {
    html +=
        "<TABLE WIDTH=\"100%\" BORDER=0><TR><TD BGCOLOR=\"#826040\"><FONT FACE=\"Arial Greek\" SIZE=5><B>"
        "Τίτλος " +
        std::to_string(n) +
        "</B></FONT></TD></TR></TABLE>\n"
        "<P><FONT SIZE=2>Το νερό H<SUB>2</SUB>O &amp; το Mg<SUP>2+</SUP> &nbsp;ιόν.</FONT>\n"
        "<!-- <div> <table> </p> -->\n<UL>\n<LI>πρώτο\n<LI><A HREF=\"x.htm?a=1&b=2\">δεύτερο</A>\n</UL>\n"
        "<P ALIGN=CENTER>τέλος<BR>γραμμής\n<HR SIZE=1 NOSHADE>\n<CENTER>κέντρο</CENTER>\n"
        "<DIV STYLE=\"display: table-cell; padding: 3px\">κελί <SPAN STYLE=\"font-size: 1.5rem\">rem</SPAN></DIV>\n";
  }
  return html + "</BODY>\n</HTML>\n";
}

TEST(ParsedHtml, ALongPageIsParsedInTwoPiecesIntoTheWholePagesTree) {
  const std::string html = htmlPage(200 * 1024);
  EXPECT_TRUE(cutAndCompare(html));
  // Only long pages are worth a second thread.
  EXPECT_TRUE(parsed_html(html).split());
  EXPECT_FALSE(parsed_html(htmlPage(8 * 1024)).split());
}

TEST(ParsedHtml, APageTheParserCannotVouchForIsParsedWhole) {
  const std::string head = "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>";
  const std::string blocks = "<P>ένα</P><P>δύο</P><P>τρία</P><P>τέσσερα</P>";
  // A simple cut for a start: the paragraph left open before it is closed by the next block.
  EXPECT_TRUE(cutAndCompare(head + "<P>ανοιχτή" + blocks + blocks + "</BODY></HTML>"));
  for (const std::string& html : {
           // A font around the whole body: every block would reopen it.
           head + "<FONT FACE=Arial>" + blocks + blocks + "</FONT></BODY>",
           // An element the cut's guide does not count, left open: the marker lands inside it.
           head + "<Q>" + blocks + blocks,
           head + "<TABLE><TR><TD>" + blocks + blocks,
           // What follows the cut acts on what came before it.
           head + blocks + blocks + "<FORM ACTION=x><INPUT></FORM>",
           head + "<FORM>" + blocks + blocks + "</FORM>",
           head + blocks + blocks + "<BODY BGCOLOR=red>",
           head + blocks + blocks + "<HTML LANG=el>",
           head + blocks + blocks + "<FRAMESET><FRAME></FRAMESET>",
           // Text before the body tag: the second piece's body would not start with the marker.
           "<HTML><HEAD></HEAD>x<BODY BGCOLOR=red>" + blocks + blocks,
           // The page writes the marker itself.
           head + blocks + "<ADDRESS DATA-VANTOREL-CUT></ADDRESS>" + blocks,
           // No body tag, text the tokenizer reads to the end, a tag never closed.
           "<P>" + blocks + blocks,
           head + blocks + "<PLAINTEXT>" + blocks,
           head + blocks + "<TEXTAREA>" + blocks,
           head + blocks + "<!-- " + blocks,
           head + blocks + "<A HREF=\"" + blocks,
       }) {
    EXPECT_FALSE(cutAndCompare(html)) << html;
  }
}

// Random pages of the tags, text and mistakes that change how a parser builds its tree: formatting
// left open or misnested, tables with stray content, forms, raw text, comments cut short, NUL
// bytes, quotes holding ">", a second BODY tag. Cut wherever possible, each must give its own tree.
TEST(ParsedHtml, RandomPagesCutWhereverTheyCanGiveTheirOwnTree) {
  const std::vector<std::string> names = {
      "p",      "div",   "table",    "tr",        "td",      "ul",       "li",     "ol",     "dl",
      "dd",     "font",  "b",        "i",         "a",       "sub",      "sup",    "q",      "span",
      "center", "h1",    "h2",       "hr",        "br",      "form",     "select", "option", "textarea",
      "title",  "style", "script",   "pre",       "address", "frameset", "body",   "html",   "noscript",
      "svg",    "math",  "template", "plaintext", "xmp",     "caption",  "nobr",   "button", "img"};
  const std::vector<std::string> texts = {"λέξη ",
                                          "word",
                                          " ",
                                          "\n",
                                          "\r\n",
                                          "&amp;",
                                          "&not",
                                          "<",
                                          "a < b",
                                          std::string("x\0y", 3),
                                          "<!-- <p> -->",
                                          "<!-->",
                                          "<!--",
                                          "<!DOCTYPE x>",
                                          "<?pi>",
                                          "</>",
                                          "</ 3>",
                                          "<P\tALIGN=\"a>b\">",
                                          "<font color='>'>",
                                          "<address data-vantorel-cut></address>"};
  std::mt19937 random(12345);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  int split = 0;
  const int pages = 3000;
  for (int page = 0; page < pages; ++page) {
    std::string html = pick(4) == 0 ? "<!DOCTYPE html>" : "";
    html += "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY BGCOLOR=white>";
    const size_t tokens = 10 + pick(60);
    for (size_t t = 0; t < tokens; ++t) {
      const std::string& name = names[pick(names.size())];
      switch (pick(8)) {
        case 0: html += "<" + name + ">"; break;
        case 1: html += "</" + name + ">"; break;
        case 2: html += texts[pick(texts.size())]; break;
        case 3: html += "<" + name + ">" + texts[pick(2)] + "</" + name + ">"; break;
        default: html += "<P>" + texts[pick(2)] + "</P>"; break;
      }
    }
    split += cutAndCompare(html) ? 1 : 0;
  }
  // Enough of them are cut for the comparison to mean something.
  EXPECT_GT(split, pages / 10);
}

// The end of a long page is made into elements on the parser's other thread: the page's embedded
// objects must still come in page order, each once.
TEST(ParsedHtml, EmbeddedObjectsOfBothPiecesComeInPageOrder) {
  std::string html = "<HTML><BODY>";
  std::vector<std::string> expected;
  for (int n = 0; html.size() < 300 * 1024; ++n) {
    html += "<P>" + std::to_string(n) + "</P>\n";
    if (n % 500 == 0) {
      expected.push_back("m" + std::to_string(n) + ".mol");
      html += "<EMBED SRC=\"" + expected.back() + "\" WIDTH=40 HEIGHT=30>\n";
    }
  }
  html += "</BODY></HTML>";
  ASSERT_TRUE(parsed_html(html).split());
  PageContainer container;
  const auto doc = container.load(html, u"/nonexistent/"_qs);
  std::vector<std::string> found;
  for (const auto& weak : container.embedded()) {
    const auto element = weak.lock();
    found.emplace_back(element ? element->get_attr("src", "") : "(gone)");
  }
  EXPECT_EQ(found, expected);
}

// Every element's tag, box, font and colour, in tree order, up to the first FORM.
std::string layoutOf(const std::string& html) {
  PageContainer container;
  const auto doc = container.load(html, u"/nonexistent/"_qs);
  EXPECT_TRUE(doc && doc->root());
  if (!doc || !doc->root()) return {};
  doc->render(700);
  std::string out;
  const std::function<bool(const litehtml::element::ptr&)> walk = [&](const litehtml::element::ptr& el) {
    if (std::strcmp(el->get_tagName(), "form") == 0) return false;
    const litehtml::position box = el->get_placement();
    litehtml::font_metrics font{};
    el->get_font(&font);
    const litehtml::web_color colour = el->get_color("color", true);
    litehtml::tstring text;
    if (el->get_children_count() == 0) el->get_text(text);
    out += std::string(el->get_tagName()) + " " + std::to_string(box.x) + "," + std::to_string(box.y) + " " +
           std::to_string(box.width) + "x" + std::to_string(box.height) + " " + std::to_string(font.height) + " " +
           std::to_string(colour.red) + "." + std::to_string(colour.green) + "." + std::to_string(colour.blue) + " " +
           text + "\n";
    for (size_t i = 0; i < el->get_children_count(); ++i) {
      if (!walk(el->get_child(static_cast<int>(i)))) return false;
    }
    return true;
  };
  walk(doc->root());
  return out;
}

// Each piece of a long page takes the style sheets, reads its elements' attributes and works out
// their styles on its own thread. A form at the end, which acts on what comes before it, has the
// same page parsed whole.
TEST(ParsedHtml, BothPiecesAreStyledAsTheWholePageIs) {
  const std::string page = htmlPage(200 * 1024);
  const size_t end = page.rfind("</BODY>");
  const std::string links = "<BODY LINK=\"#00AA00\" ";
  struct Case {
    std::string head;  // more of the page's own style sheet
    std::string rest;  // after the last block
  };
  for (const Case& c : {Case{"html { font-size: 17px }", ""},
                        // A rule that looks at siblings: the pieces take the page's sheet one after the other.
                        Case{"li + li { color: #654321 }", ""},
                        // A style sheet in the second piece: its elements wait for the first's.
                        Case{"", "<STYLE>li { margin-left: 7px; color: #123456 }</STYLE>"}}) {
    std::string html = page.substr(0, end) + c.rest + page.substr(end);
    html.replace(html.find("<BODY "), 6, links);
    html.insert(html.find("</STYLE>"), c.head);
    // After everything, as the parser puts a tag that follows the page's end in its body.
    const std::string whole = html + "<FORM></FORM>";
    ASSERT_TRUE(parsed_html(html).split());
    ASSERT_FALSE(parsed_html(whole).split());
    const std::string layout = layoutOf(html);
    EXPECT_GT(layout.size(), 100'000u);
    EXPECT_TRUE(layout == layoutOf(whole)) << c.head << c.rest;
  }
}

// The parser asserts, ending the program, on a CDATA section in SVG inside a table. Every CDATA
// opening is read as the comment it is outside SVG and MathML.
TEST(ParsedHtml, ACdataSectionThatWouldStopTheParserIsReadAsAComment) {
  const std::string html = "<table><svg><foreignObject><![CDATA[x]]>y</foreignObject></svg></table><p>z";
  EXPECT_NE(treeOf(parsed_html(html)).find("[4:-[CDATA[x]]]"), std::string::npos);
  PageContainer container;
  const auto doc = container.load(html, u"/nonexistent/"_qs);
  ASSERT_TRUE(doc && doc->root());
  litehtml::tstring text;
  doc->root()->get_text(text);
  // The comment's text, which the engine keeps but does not draw, then the page's.
  EXPECT_EQ(text, "-[CDATA[x]]yz");
}

TEST(ParsedHtml, TheDocumentBuiltFromTwoPiecesHoldsEveryBlockOnceInOrder) {
  for (const bool secondPieceFits : {true, false}) {
    std::string html = secondPieceFits ? "<HTML><BODY>" : "<HTML><HEAD></HEAD>a<BODY>";
    std::string expected = secondPieceFits ? "" : "a";
    for (int n = 0; html.size() < 300 * 1024; ++n) {
      html += "<P>" + std::to_string(n) + "</P>\n";
      expected += std::to_string(n) + "\n";
    }
    html += "</BODY></HTML>";
    // Where the second piece does not fit, what was made of the first is thrown away.
    EXPECT_EQ(parsed_html(html).split(), secondPieceFits);
    PageContainer container;
    const auto doc = container.load(html, u"/nonexistent/"_qs);
    ASSERT_TRUE(doc && doc->root());
    litehtml::tstring text;
    doc->root()->get_text(text);
    EXPECT_EQ(text, expected);
  }
}

}  // namespace
}  // namespace vantorel::browser
