#include "platform/browser/core/LinkTarget.h"

#include <gtest/gtest.h>

namespace vantorel::browser {
namespace {

TEST(LinkTarget, LocalPagesResolveAgainstTheShownPagesFolder) {
  EXPECT_EQ(resolveLink("biga.htm", "/cache/").target, "/cache/biga.htm");
  EXPECT_EQ(resolveLink("biga.htm", "/cache/").kind, LinkKind::Page);
  EXPECT_EQ(resolveLink("..\\..\\13\\0\\009", "/disc/12/0/").target, "/disc/13/0/009");
  EXPECT_EQ(resolveLink("/disc/13/0/009#top", "/cache/").target, "/disc/13/0/009");
  EXPECT_EQ(resolveLink("./x.htm?a=1", "/cache/").target, "/cache/x.htm");
  // ".." never climbs above the root.
  EXPECT_EQ(resolveLink("../../../../etc/passwd", "/cache/").target, "/etc/passwd");
}

TEST(LinkTarget, WebAndMailGoToTheDesktopAndEveryOtherSchemeIsRefused) {
  EXPECT_EQ(resolveLink("http://example.org/", "/c/").kind, LinkKind::Desktop);
  EXPECT_EQ(resolveLink(" HTTPS://example.org/ ", "/c/").kind, LinkKind::Desktop);
  EXPECT_EQ(resolveLink("mailto:a@b.gr", "/c/").kind, LinkKind::Desktop);
  for (const char* bad : {"javascript:alert(1)", "file:///usr/bin/xterm", "FILE:///etc/passwd", "C:\\WINDOWS\\calc.exe",
                          "vbscript:x", "ftp://host/", "about:blank", ""}) {
    EXPECT_EQ(resolveLink(bad, "/c/").kind, LinkKind::Refused) << bad;
  }
  EXPECT_EQ(resolveLink("#top", "/c/").kind, LinkKind::SamePage);
}

TEST(LinkTarget, FolderOfAPath) {
  EXPECT_EQ(folderOf("/cache/12.htm"), "/cache/");
  EXPECT_EQ(folderOf("x.htm"), "");
}

}  // namespace
}  // namespace vantorel::browser
