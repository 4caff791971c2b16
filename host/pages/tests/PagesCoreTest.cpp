#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/pages/core/History.h"
#include "host/pages/core/PageCacheNumbers.h"
#include "host/pages/core/PageSource.h"
#include "host/pages/core/PageTransform.h"

namespace vantorel::host::pages {
namespace {

namespace fs = std::filesystem;

TransformResult transform(std::string_view page, std::string folder = "/disc/") {
  TransformSettings settings;
  settings.dataFolder = std::move(folder);
  return transformPageText(page, settings);
}

size_t count(std::string_view text, std::string_view what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

std::string percentDecoded(std::string_view url) {
  std::string out;
  for (size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size()) {
      out += static_cast<char>(std::stoi(std::string(url.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += url[i];
    }
  }
  return out;
}

TEST(PageSource, SixDigitsInOneOrTwoFolderLevels) {
  EXPECT_EQ(pageSourcePath(170070), "17/0070");
  EXPECT_EQ(pageSourcePath(120345), "12/0/345");
  EXPECT_EQ(pageSourcePath(45001), "04/5/001");
  EXPECT_EQ(pageSourcePath(30001), "03/0001");
  for (int bad : {-1, 0, 1000000}) EXPECT_EQ(pageSourcePath(bad), "") << bad;
}

TEST(PageTransform, GlossaryLinksExpandWhileTheFirstTildeStartsOne) {
  EXPECT_EQ(transform("a ~Gacid0001acids~~ b ~Gbase0002bases~, c\n").page,
            "a <A HREF=\"pjqbhgacid0001.htm\"><U>acids</U></A> b <A HREF=\"pjqbhgbase0002.htm\"><U>bases</U></A> c\n");
  // A lone "~" first: the markup behind it stays.
  EXPECT_EQ(transform("5 ~ 6 ~Gacid0001acids~~\n").page, "5 ~ 6 ~Gacid0001acids~~\n");
  // Incomplete markups are left alone, and nothing is read past the line.
  for (std::string_view line : {"x ~G", "x ~Gabc", "x ~Gabcdefgh", "x ~Gabcdefghtext", "~", "~Gab~defghij~~"})
    EXPECT_EQ(transform(std::string(line) + "\n").page, std::string(line) + "\n") << line;
  // A closing "~" as the last byte of the line: the link, and the line end stays.
  EXPECT_EQ(transform("~Gacid0001acids~\nnext\n").page, "<A HREF=\"pjqbhgacid0001.htm\"><U>acids</U></A>\nnext\n");
}

TEST(PageTransform, ThousandsOfGlossaryLinksOnOneLine) {
  std::string line;
  for (int i = 0; i < 2000; ++i) line += "~Gk" + std::to_string(1000000 + i) + "word~~ ";
  const TransformResult r = transform(line + "\n");
  EXPECT_EQ(count(r.page, "<A HREF=\"pjqbhgk"), 2000u);
  EXPECT_EQ(count(r.page, "~"), 0u);
  EXPECT_TRUE(r.page.ends_with("pjqbhgk1001999.htm\"><U>word</U></A> \n"));
}

TEST(PageTransform, MarkersOnLongLinesAreAllResolved) {
  // The markers sit where a line cut at 25,999 bytes would have split them.
  std::string line(25998, 'x');
  line +=
      "\x05"
      "CDimages/a.bmp";
  line += std::string(4000, 'y') +
          "\x05"
          "CDb.bmp";
  const std::string folder = "/" + std::string(4000, 'f') + "/";
  const TransformResult r = transform(line + "\n", folder);
  EXPECT_EQ(r.page.find('\x05'), std::string::npos);
  EXPECT_EQ(count(r.page, fileUrl(folder) + "images/a.bmp"), 1u);
  EXPECT_EQ(count(r.page, fileUrl(folder) + "b.bmp"), 1u);
  // Markers without their two filler bytes are no markers.
  EXPECT_EQ(transform("a\x05\n").page, "a\x05\n");
  EXPECT_EQ(transform("a\x05"
                      "C\n")
                .page,
            "a\x05"
            "C\n");
  EXPECT_EQ(transform("a\x04"
                      "C")
                .page,
            "a\x04"
            "C");
  EXPECT_FALSE(transform("a\x04"
                         "C")
                   .hasVideo);
  EXPECT_EQ(transform("\x05"
                      "CD\x05"
                      "C")
                .page,
            "file:///disc/\x05"
            "C");
}

TEST(PageTransform, EveryAlphaWithTonosBecomesItsEntity) {
  const TransformResult r = transform(std::string(25999, '\xA2') + "\n");
  EXPECT_EQ(r.page.size(), 25999u * 8 + 1);
  EXPECT_EQ(count(r.page, "&#x0386;"), 25999u);
}

TEST(PageTransform, DataFolderLandsInAddressesAsAUrl) {
  for (const std::string folder : {"/home/a \"b\" #1 100% & co/", "/home/Δίσκος χημείας/", "/d/"}) {
    const TransformResult r = transform(
        "<IMG SRC=\"\x05"
        "CDimages/a.bmp\">\n",
        folder);
    const std::string url = fileUrl(folder);
    EXPECT_EQ(r.page, "<IMG SRC=\"" + url + "images/a.bmp\">\n");
    EXPECT_EQ(url.find_first_of("\"#& <>'\x80\xCE"), std::string::npos) << url;
    EXPECT_EQ(percentDecoded(url), "file://" + folder);
  }
}

TEST(PageTransform, BodyLinkColours) {
  EXPECT_EQ(transform("<BODY BGCOLOR=\"#FFFFFF\" ALINK=\"#FFFFFF\">\n").page,
            "<BODY VLINK=\"#0059CA\" BGCOLOR=\"#FFFFFF\" ALINK=\"#0059CA\">\n");
  EXPECT_EQ(transform("<BODY VLINK=\"#FF0000\" ALINK=\"#FFFFFF\">\n").page,
            "<BODY VLINK=\"#FF0000\" ALINK=\"#0059CA\">\n");
  EXPECT_EQ(transform("<BODY>ALINK=\"#FFFFFF\"\n").page, "<BODY>ALINK=\"#FFFFFF\"\n");
}

TEST(PageTransform, FooterAndLegacyClassIds) {
  EXPECT_EQ(transform("<DIV ALIGN=right><FONT>© 1999 Halvenor</FONT></DIV>\n<DIV ALIGN=right>x</DIV>\n").page,
            "<FONT>© 1999 Halvenor</FONT>\n<DIV ALIGN=right>x</DIV>\n");
  EXPECT_EQ(transform("<OBJECT CLASSID=\"clsid:F03DD530-6488-4E7C-8FDE-55F938463309\">"
                      "<OBJECT CLASSID=\"clsid:9F3ED919-59BB-4359-9D5E-1D62DC159001\">\n")
                .page,
            "<OBJECT CLASSID=\"clsid:5DD60FDF-A6CE-4FB3-A386-F16D1B28E636\">"
            "<OBJECT CLASSID=\"clsid:EA76E281-E829-439F-9014-968A013A76C3\">\n");
}

TEST(PageTransform, VideoAndMoleculeOnOnePage) {
  std::vector<std::string> copied;
  TransformSettings settings;
  settings.dataFolder = "/disc/";
  settings.copyMolecule = [&](const std::string& relative) {
    copied.push_back(relative);
    return true;
  };
  const TransformResult r = transformPageText(
      "<EMBED SRC=\"\x04"
      "CDvideo/v.avi\" WIDTH=320 HEIGHT=258>\n"
      "<EMBED SRC=\"\x03"
      "CDmol/w.mol\" WIDTH=340 HEIGHT=290\n",
      settings);
  EXPECT_TRUE(r.hasVideo);
  EXPECT_TRUE(r.hasMolecule);
  EXPECT_EQ(r.lastVideoText, "file:///disc/video/v.avi\" WIDTH=320 HEIGHT=258>");
  EXPECT_EQ(copied, std::vector<std::string>{"mol/w.mol"});
  EXPECT_NE(r.page.find("<EMBED SRC=\"chime.mol\" WIDTH=340"), std::string::npos);
  EXPECT_EQ(*enlargedVideoPage(r.lastVideoText),
            "<HTML>\n<BODY BGCOLOR=\"#c0c0c0\" LEFTMARGIN=0 TOPMARGIN=0>\n"
            "<EMBED SRC=\"file:///disc/video/v.avi\" WIDTH=640 HEIGHT=498 AUTOPLAY=TRUE SCALE=2>\n</BODY></HTML>\n");
  EXPECT_FALSE(enlargedVideoPage("file:///disc/video/v.avi WIDTH=320").has_value());
}

TEST(PageTransform, OnlyAMoleculePathStartingAtTheMarkerIsCopied) {
  std::vector<std::string> copied;
  TransformSettings settings;
  settings.dataFolder = "/disc/";
  settings.copyMolecule = [&](const std::string& relative) {
    copied.push_back(relative);
    return true;
  };
  for (std::string_view line : {"\x03"
                                "CDmol/w.mol SRC=\"/home/user/secret\"",
                                "<EMBED SRC=\"\x03"
                                "CD../../etc/passwd\"",
                                "<EMBED SRC=\"\x03"
                                "CDmol/..\\..\\x\"",
                                "<EMBED SRC=\x03"
                                "CDmol/w.mol>",
                                "<EMBED SRC=\"\x03"
                                "CDmol/w.mol"}) {
    const TransformResult r = transformPageText(std::string(line) + "\n", settings);
    EXPECT_TRUE(r.hasMolecule) << line;
    EXPECT_EQ(r.page.find("chime.mol"), std::string::npos) << line;
  }
  EXPECT_TRUE(copied.empty());
}

// A molecule page laid out as the disc lays them out.
std::string moleculePage() {
  std::string page = "<HTML>\n";
  for (int n = 2; n <= 12; ++n) page += "line " + std::to_string(n) + "\n";
  page += "<EMBED SRC=\"chime.mol\" WIDTH=340 HEIGHT=290\n";
  page += "TYPE=\"chemical/x-mdl-molfile\" DISPLAY3D=BALLSTICK\n";
  page += "STARTSPIN=true SPINSPEED=2\n";
  page += "BGCOLOR=\"#000000\">\n</TD>\n<TD>text</TD>\n</HTML>\n";
  return page;
}

TEST(EnlargedPages, MoleculeViewerAtTheEnlargedSize) {
  EXPECT_EQ(enlargedMoleculePage(moleculePage()),
            "<HTML>\n<BODY BGCOLOR=\"#000000\">\n"
            "<EMBED SRC=\"chime.mol\" WIDTH=640 HEIGHT=498\n"
            "TYPE=\"chemical/x-mdl-molfile\" DISPLAY3D=BALLSTICK\n"
            "STARTSPIN=false\n"
            "BGCOLOR=\"#000000\">\n</BODY></HTML>\n");
  EXPECT_EQ(enlargedMoleculePage(""), "<BODY BGCOLOR=\"#000000\">\n</BODY></HTML>\n");
  EXPECT_EQ(redirectPage("7 \"#.htm"),
            "<HTML><HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"0; URL=7%20%22%23.htm\"></HEAD>"
            "<BODY BGCOLOR=\"#949494\"></BODY></HTML>\n");
}

class TransformFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("pages-core-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "disc" / "mol");
    fs::create_directories(root / "cache");
    disc = (root / "disc").string() + "/";
    cache = root / "cache";
    write(root / "disc" / "mol" / "w.mol", "water\n");
    write(root / "outside.mol", "not the disc's\n");
  }
  void TearDown() override { fs::remove_all(root); }
  static void write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  TransformOutcome run(const std::string& page, const std::string& name = "1.htm") {
    write(root / "disc" / "page", page);
    return TransformPage((root / "disc" / "page").string(), (cache / name).string(), disc);
  }
  fs::path root, cache;
  std::string disc;
};

TEST_F(TransformFiles, MoleculeCopiedOnlyFromInsideTheDataFolder) {
  fs::create_symlink(root / "outside.mol", root / "disc" / "mol" / "link.mol");
  EXPECT_TRUE(run("<EMBED SRC=\"\x03"
                  "CDmol/link.mol\"\n")
                  .hasMolecule);
  EXPECT_FALSE(fs::exists(cache / "chime.mol"));
  EXPECT_NE(read(cache / "1.htm").find("mol/link.mol\""), std::string::npos);
  EXPECT_TRUE(run("<EMBED SRC=\"\x03"
                  "CDmol\"\n")
                  .hasMolecule);  // a folder
  EXPECT_FALSE(fs::exists(cache / "chime.mol"));

  const std::string page = moleculePage();
  const size_t at = page.find("chime.mol");
  const TransformOutcome done = run(page.substr(0, at) +
                                        "\x03"
                                        "CDmol/w.mol" +
                                        page.substr(at + 9),
                                    "2.htm");
  EXPECT_EQ(done.status, TransformOutcome::Status::Done);
  EXPECT_EQ(read(cache / "chime.mol"), "water\n");
  EXPECT_NE(read(cache / "2.htm").find("<EMBED SRC=\"chime.mol\""), std::string::npos);
  EXPECT_NE(read(cache / "bigvid.htm").find("WIDTH=640 HEIGHT=498"), std::string::npos);
  EXPECT_EQ(fs::status(cache / "2.htm").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TransformFiles, AnEarlierCompanionPageNeverStaysBehind) {
  ASSERT_TRUE(run("<EMBED SRC=\"\x04"
                  "CDv.avi\" WIDTH=320>\n")
                  .hasVideo);
  ASSERT_TRUE(fs::exists(cache / "bigvid.htm"));
  // A video without its quote writes no companion page, and the old one is gone.
  EXPECT_TRUE(run("<EMBED SRC=\x04"
                  "CDv.avi WIDTH=320>\n",
                  "2.htm")
                  .hasVideo);
  EXPECT_FALSE(fs::exists(cache / "bigvid.htm"));
  // Video and molecule on one page: the molecule's companion page.
  std::string both = moleculePage();
  both.replace(both.find("line 2"), 6,
               "<EMBED SRC=\"\x04"
               "CDv.avi\" WIDTH=320>");
  both.replace(both.find("chime.mol"), 9,
               "\x03"
               "CDmol/w.mol");
  EXPECT_EQ(run(both, "3.htm").status, TransformOutcome::Status::Done);
  EXPECT_EQ(read(cache / "bigvid.htm").find("<HTML>\n<BODY BGCOLOR=\"#000000\">\n<EMBED SRC=\"chime.mol\" WIDTH=640"),
            0u);
}

TEST_F(TransformFiles, MissingSourceAndUnwritableOutputLeaveNoPage) {
  EXPECT_EQ(TransformPage((root / "disc" / "none").string(), (cache / "1.htm").string(), disc).status,
            TransformOutcome::Status::SourceMissing);
  EXPECT_FALSE(fs::exists(cache / "1.htm"));
  EXPECT_EQ(TransformPage(disc + "mol", (cache / "1.htm").string(), disc).status,
            TransformOutcome::Status::SourceMissing);
  EXPECT_EQ(run("x\n", "gone/1.htm").status, TransformOutcome::Status::OutputFailed);
}

TEST(PageCacheNumbers, KeepsTheTwentyMostRecentPages) {
  PageCacheNumbers numbers;
  std::vector<std::pair<uint32_t, uint32_t>> deleted;
  for (int i = 0; i < 25; ++i) {
    numbers.take();
    const auto r = numbers.clean(false);
    if (r.first != r.end) deleted.emplace_back(r.first, r.end);
  }
  // Pages 1 to 5 went one at a time; 6 to 25 remain.
  EXPECT_EQ(deleted, (std::vector<std::pair<uint32_t, uint32_t>>{{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}}));
  const auto last = numbers.clean(true);
  EXPECT_EQ(last.first, 6u);
  EXPECT_EQ(last.end, 26u);
  EXPECT_EQ(numbers.clean(true).first, numbers.clean(true).end);
}

TEST(History, FiftyPlacesBackAndForward) {
  History h;
  EXPECT_FALSE(h.canBack());
  for (int i = 1; i <= 60; ++i) h.record(i * 10, i, 1);
  int backs = 0;
  while (h.back()) ++backs;
  EXPECT_EQ(backs, 49);
  EXPECT_EQ(h.entry(h.current()).treeRecord, 110);  // the 11th place is the oldest kept
  ASSERT_TRUE(h.next());
  ASSERT_TRUE(h.next());
  h.record(5, 0, -1);  // the places ahead are dropped
  EXPECT_FALSE(h.canNext());
  EXPECT_EQ(h.last(), 3);
  EXPECT_EQ(h.entry(3), (HistoryEntry{0, 5, -1}));
  h.setNavigating(true);
  h.record(7, 0, 2);
  EXPECT_EQ(h.last(), 3);
}

TEST(History, StepsForEachKindOfPlace) {
  EXPECT_EQ(stepFor({0, 0, kPeriodicTableSection}).kind, HistoryStep::Kind::PeriodicTable);
  EXPECT_EQ(stepFor({0, 0, kDataAnalyserSection}).kind, HistoryStep::Kind::DataAnalyser);
  EXPECT_EQ(stepFor({0, 0, 9}).kind, HistoryStep::Kind::None);
  EXPECT_EQ(stepFor({0, 170070, 2}).openPage, 170070);
  EXPECT_EQ(stepFor({0, 370001, 3}).openPage, 370001);
  EXPECT_EQ(stepFor({0, 50000, 5}).openPage, 50000);
  const HistoryStep topic = stepFor({120011, 170072, 2});
  EXPECT_EQ(topic.kind, HistoryStep::Kind::Topic);
  EXPECT_EQ(topic.openPage, 0);
  EXPECT_EQ(topic.treeRecord, 170072);
  EXPECT_EQ(topic.object, 120011);
}

TEST(LinkRules, EnlargedViewGlossaryOrFollow) {
  EXPECT_EQ(decideLink("BIGA.HTM").kind, LinkDecision::Kind::EnlargedView);
  EXPECT_EQ(decideLink("abcda.htm").kind, LinkDecision::Kind::Follow);
  const LinkDecision g = decideLink("pjqbhgACID0001.htm");
  EXPECT_EQ(g.kind, LinkDecision::Kind::Glossary);
  EXPECT_EQ(g.glossaryFile, "acid0001.htm");
  EXPECT_EQ(decideLink("/tmp/cache/pjqbhgacid0001.htm").kind, LinkDecision::Kind::Glossary);
  for (std::string_view bad : {"pjqbhg../../x", "pjqbhg../../etc/passwd.htm", "pjqbhgacid001.htm",
                               "pjqbhgacid00011.htm", "pjqbhgacid 001.htm", "pjqbhg"})
    EXPECT_EQ(decideLink(bad).kind, LinkDecision::Kind::Refuse) << bad;
  EXPECT_EQ(decideLink("/home/pjqbhg/disc/12.htm").kind, LinkDecision::Kind::Follow);
  EXPECT_EQ(decideLink("file:///home/pjqbhg/disc/12.htm").kind, LinkDecision::Kind::Follow);
}

}  // namespace
}  // namespace vantorel::host::pages
