#include <gtest/gtest.h>

#include "brovik/core/Browser.h"
#include "brovik/tests/SampleCatalog.h"

using namespace vantorel::brovik;
using namespace vantorel::brovik::testing;
using vantorel::codepage::fromUtf8Lossy;

namespace {

class Recorder : public BrowserSink {
 public:
  void treeSelected(int32_t page, int32_t recordId) override {
    events.push_back("tree " + std::to_string(page) + " " + std::to_string(recordId));
  }
  void listSelected(int32_t assetId) override { events.push_back("list " + std::to_string(assetId)); }
  void notice(const Notice& n) override {
    static const char* kinds[] = {"unable", "topic", "unknown", "words", "nowhere", "elsewhere"};
    std::string text = std::string("notice ") + kinds[static_cast<int>(n.kind)];
    if (!n.path.empty()) text += " " + n.path;
    if (n.assetId) text += " " + std::to_string(n.assetId);
    events.push_back(text);
  }
  std::vector<std::string> take() { return std::exchange(events, {}); }
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> sections;
    for (int i = 0; i < 10; ++i) sections.push_back("s" + std::to_string(i));
    browser.setElementSections(sections);
    browser.initData("/cat/");
    browser.setRoute(1);
    browser.tree().setPageRows(20);
    sink.take();
  }
  void type(const char* utf8) { browser.wordTextChanged(fromUtf8Lossy(utf8)); }
  std::vector<int32_t> listed() const {
    std::vector<int32_t> ids;
    for (const auto& r : browser.resources()) ids.push_back(r.assetId);
    return ids;
  }

  std::map<std::string, std::string> files = sampleCatalog();
  Recorder sink;
  Browser browser{sink, memoryOpener(files)};
};

}  // namespace

TEST_F(BrowserTest, InitDataReportsEveryFileItCannotOpen) {
  files.erase("mol.ttl");
  files.erase("history.ttl");
  files.erase("words.dat");
  browser.initData("/cat/");
  EXPECT_EQ(sink.take(),
            (Events{"notice unable /cat/mol.ttl", "notice unable /cat/history.ttl", "notice unable /cat/words.dat"}));
  // Resource lists stay empty while a title file is missing; lookups do nothing.
  browser.clickTree(0);
  browser.clickTree(1);
  browser.clickTree(2);
  EXPECT_TRUE(browser.resources().empty());
  sink.take();
  type("οξύ");
  browser.pressButton();
  EXPECT_TRUE(sink.take().empty());
  EXPECT_FALSE(browser.searchActive());
}

TEST_F(BrowserTest, MissingTopicFileKeepsTreeAndRoute) {
  browser.setRoute(4);
  EXPECT_EQ(sink.take(), (Events{"notice topic /cat/uses.dat"}));
  EXPECT_EQ(browser.route(), 1);
  EXPECT_EQ(browser.tree().rows().size(), 4u);
  browser.setRoute(2);
  EXPECT_EQ(browser.route(), 2);
  EXPECT_EQ(browser.tree().rows().size(), 1u);
  EXPECT_TRUE(browser.associations().empty());  // no struct.ass: nothing has resources
}

TEST_F(BrowserTest, TreeClicksReportAndFillTheList) {
  browser.clickTree(0);
  EXPECT_EQ(sink.take(), (Events{"tree 100001 1"}));
  EXPECT_TRUE(browser.resources().empty());
  browser.clickTree(1);
  browser.clickTree(2);
  EXPECT_EQ(sink.take(), (Events{"tree 100002 2", "tree 100003 3"}));
  // Alphabetical whatever the file order; accents and case do not lead.
  EXPECT_EQ(listed(), (std::vector<int32_t>{110002, 20002, 110003, 110001, 20001}));
  EXPECT_EQ(browser.resources()[1].title, fromUtf8Lossy("Άλας"));
  EXPECT_EQ(browser.objectName(110001), fromUtf8Lossy("Κρύσταλλοι χαλαζία"));
  EXPECT_EQ(browser.objectName(130001), "");                            // a resource of another topic
  EXPECT_EQ(browser.treeName(6), fromUtf8Lossy("Υδροξείδιο νατρίου"));  // not shown
  EXPECT_EQ(browser.treeName(1), fromUtf8Lossy("Αντιδράσεις"));
  EXPECT_EQ(browser.treeName(404), "");
  // Clicking the open level-0 node with a level-1 node open: collapse and report.
  browser.clickTree(0);
  EXPECT_EQ(sink.take(), (Events{"tree 100001 1"}));
  browser.clickTree(0);
  EXPECT_TRUE(sink.take().empty());
  browser.clickTree(99);
  EXPECT_TRUE(sink.take().empty());
}

TEST_F(BrowserTest, ElementNodesAndTypeNinetyNine) {
  browser.clickTree(1);  // Στοιχεία
  browser.clickTree(2);  // Οξυγόνο, page 440008
  EXPECT_EQ(listed(),
            (std::vector<int32_t>{710008, 720008, 730008, 740008, 750008, 760008, 770008, 780008, 790008, 800008}));
  EXPECT_EQ(browser.resources()[9].title, "s9");
  browser.clickTree(3);  // Άνθρακας, page 990006: reported as an element, listed from associations
  EXPECT_EQ(sink.take(), (Events{"tree 100007 7", "tree 440008 8", "tree 440006 9"}));
  EXPECT_EQ(listed(), (std::vector<int32_t>{130001}));
}

TEST_F(BrowserTest, UnknownAssetStopsTheFill) {
  // A number past the end of its title file is left out; the unknown type ends the list.
  browser.gotoPosition(6, 0, false);
  EXPECT_EQ(sink.take(), (Events{"notice unknown 440001", "tree 100006 6"}));
  EXPECT_EQ(listed(), (std::vector<int32_t>{40001}));
}

TEST_F(BrowserTest, GotoPositionEvents) {
  browser.gotoPosition(3, 0, false);
  EXPECT_EQ(sink.take(), (Events{"tree 100003 3"}));
  browser.gotoPosition(3, 110001, false);
  EXPECT_EQ(sink.take(), (Events{"list 110001"}));
  EXPECT_EQ(browser.selectedResource(), 3);
  // The user picks the same row: already reported; another one: reported.
  browser.userSelectsResource(3);
  EXPECT_TRUE(sink.take().empty());
  browser.userSelectsResource(0);
  EXPECT_EQ(sink.take(), (Events{"list 110002"}));
  // A resource that is not listed: nothing at all.
  browser.gotoPosition(3, 130001, false);
  EXPECT_TRUE(sink.take().empty());
  // An unknown node with a resource must not leave tree events switched off.
  browser.gotoPosition(404, 110001, false);
  EXPECT_TRUE(sink.take().empty());
  EXPECT_EQ(browser.tree().rows().size(), 4u);
  browser.clickTree(0);
  EXPECT_EQ(sink.take(), (Events{"tree 100001 1"}));
}

TEST_F(BrowserTest, WordBoxIsTrimmedAndLowerCased) {
  type("  ΟΞΥΓΌΝΟ  ");
  EXPECT_TRUE(browser.buttonEnabled());
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"tree 440008 8"}));
  // One result: the button is disabled after the jump.
  EXPECT_FALSE(browser.buttonEnabled());
  EXPECT_TRUE(browser.jumpFlag());
  type("   ");
  browser.pressButton();
  EXPECT_TRUE(sink.take().empty());
}

TEST_F(BrowserTest, WordsTypedInCapitalsFindTheirPlaces) {
  // Greek capitals carry no accents: ΟΞΥΓΟΝΟ is οξυγόνο, ΟΞΥ is οξύ.
  type("ΟΞΥΓΟΝΟ");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"tree 440008 8"}));
  type("ΟΞΥ ΝΕΡΟ");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"list 110003"}));
  type("ΠΛΑΝΗΤΗΣ");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice elsewhere"}));
}

TEST_F(BrowserTest, ResultsCycleAndWrap) {
  type("οξύ");
  browser.pressButton();
  EXPECT_EQ(browser.buttonLook(), ButtonLook::Next);
  browser.pressButton();
  browser.pressButton();
  browser.pressButton();
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"tree 100003 3", "tree 100004 4", "list 110003", "tree 100003 3", "tree 100004 4"}));
  EXPECT_EQ(browser.currentResult(), 1);
  // Typing ends the search.
  type("οξύ ");
  EXPECT_FALSE(browser.searchActive());
  EXPECT_EQ(browser.buttonLook(), ButtonLook::Go);
  EXPECT_TRUE(browser.buttonEnabled());
}

TEST_F(BrowserTest, TreeClickHoldsTheCurrentResult) {
  type("οξύ");
  browser.pressButton();
  browser.pressButton();
  EXPECT_EQ(browser.currentResult(), 1);
  sink.take();
  browser.clickTree(0);
  EXPECT_FALSE(browser.jumpFlag());
  sink.take();
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"tree 100004 4"}));  // back to the current result
  EXPECT_EQ(browser.currentResult(), 1);
  browser.pressButton();
  EXPECT_EQ(browser.currentResult(), 2);
  // Picking a resource by hand puts the go look back.
  browser.userSelectsResource(0);
  EXPECT_EQ(browser.buttonLook(), ButtonLook::Go);
  EXPECT_FALSE(browser.jumpFlag());
}

TEST_F(BrowserTest, TwoWords) {
  type("οξύ  νερό");  // two spaces still make two words
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"list 110003"}));
  EXPECT_EQ(browser.results(), (std::vector<WordHit>{{4, 110003}}));
  EXPECT_FALSE(browser.buttonEnabled());

  type("οξύ νερό άλας");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice words"}));
  EXPECT_FALSE(browser.searchActive());
  type("οξύ   νερό");  // three spaces: a space inside the rest
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice words"}));

  type("οξύ ζζζ");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice nowhere"}));
  type("οξύ πλανήτης");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice elsewhere"}));
  type("χαλαζίας νερό");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice elsewhere"}));  // both occur, never together
}

TEST_F(BrowserTest, WordNotFoundCases) {
  type("ζζζ");
  browser.pressButton();
  type("πλανήτης");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"notice nowhere", "notice elsewhere"}));
  browser.setRoute(2);
  type("οξύ");
  browser.pressButton();
  EXPECT_EQ(sink.take(), (Events{"tree 200002 2"}));
}

TEST_F(BrowserTest, SetRouteClearsTheSearch) {
  type("οξύ");
  browser.pressButton();
  ASSERT_TRUE(browser.searchActive());
  browser.setRoute(1);
  EXPECT_FALSE(browser.searchActive());
  EXPECT_FALSE(browser.jumpFlag());
  EXPECT_EQ(browser.buttonLook(), ButtonLook::Go);
  EXPECT_TRUE(browser.buttonEnabled());
  type("");
  browser.setRoute(1);
  EXPECT_FALSE(browser.buttonEnabled());
}

TEST(ResourceOrder, GreekAlphabetical) {
  auto less = [](const char* a, const char* b) { return titleLess(fromUtf8Lossy(a), fromUtf8Lossy(b)); };
  EXPECT_TRUE(less("άλας", "Βάση"));
  EXPECT_TRUE(less("Ωκεανός", "ψ") == false);
  EXPECT_TRUE(less("Ύδωρ", "Χαλκός"));
  EXPECT_FALSE(less("Ύδωρ", "Άλας"));
  EXPECT_TRUE(less("σφαίρα", "ταχύτητα"));
  EXPECT_TRUE(less("Νερό 2", "νερό 10") == false);
  EXPECT_TRUE(less("DNA", "άζωτο"));
  EXPECT_TRUE(less("12 ώρες", "DNA"));
  EXPECT_EQ(resourceIconId(13), 226);
  EXPECT_EQ(resourceIconId(8), 227);
  EXPECT_EQ(resourceIconId(4), 228);
  EXPECT_EQ(resourceIconId(12), 229);
  EXPECT_EQ(resourceIconId(2), 231);
  EXPECT_EQ(resourceIconId(74), 231);
}
