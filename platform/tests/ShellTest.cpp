#include <gtest/gtest.h>

#include <QApplication>

#include "platform/shell/Shell.h"

namespace shell = vantorel::shell;

TEST(Shell, FoldersEndInASeparator) {
  EXPECT_TRUE(shell::tempFolder().endsWith(u'/'));
  EXPECT_TRUE(shell::systemFolder().endsWith(u'/'));
}

TEST(Shell, VolumeKinds) {
  using K = shell::VolumeKind;
  EXPECT_EQ(shell::volumeKindOf(u"ext4"_qs, u"/"_qs), K::Fixed);
  EXPECT_EQ(shell::volumeKindOf(u"vfat"_qs, u"/media/usb/"_qs), K::Removable);
  EXPECT_EQ(shell::volumeKindOf(u"iso9660"_qs, u"/mnt/cd/"_qs), K::CdRom);
  EXPECT_EQ(shell::volumeKindOf(u"nfs4"_qs, u"/net/school/"_qs), K::Remote);
  EXPECT_EQ(shell::volumeKindOf(u"cifs"_qs, u"/mnt/share/"_qs), K::Remote);
  EXPECT_EQ(shell::volumeKindOf(u"tmpfs"_qs, u"/tmp/"_qs), K::RamDisk);
  EXPECT_EQ(shell::volumeKindOf(QString(), u"/x/"_qs), K::Unknown);
  EXPECT_TRUE(shell::isPseudoFileSystem(u"proc"_qs));
  EXPECT_FALSE(shell::isPseudoFileSystem(u"ext4"_qs));
}

TEST(Shell, VolumesHoldTheRootFirstAndNoPseudoFileSystems) {
  const auto volumes = shell::volumes();
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front().rootPath, u"/"_qs);
  for (const auto& v : volumes) {
    EXPECT_TRUE(v.rootPath.endsWith(u'/'));
    EXPECT_FALSE(v.rootPath.startsWith(u"/proc"_qs));
    EXPECT_FALSE(v.rootPath.startsWith(u"/sys"_qs));
  }
}

TEST(Shell, OpeningGoesThroughTheInstalledHandler) {
  QStringList opened;
  shell::setOpenHandler([&](const QString& what) {
    opened << what;
    return true;
  });
  EXPECT_TRUE(shell::openUrl(u"https://example.org/"_qs));
  EXPECT_TRUE(shell::openDocument(u"/tmp/a.txt"_qs));
  shell::setOpenHandler({});
  EXPECT_EQ(opened, (QStringList{u"https://example.org/"_qs, u"/tmp/a.txt"_qs}));
}
