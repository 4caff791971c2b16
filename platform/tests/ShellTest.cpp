#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

TEST(Shell, OnlyRealStorageRemovableMediaDiscsAndSharesAreVolumes) {
  struct Mount {
    const char* type;
    const char* device;
    const char* root;
    bool listed;
  };
  const Mount mounts[] = {
      {"ext4", "/dev/vda1", "/", true},
      {"overlay", "overlay", "/", true},  // a sandbox's root still holds the user's files
      {"ext4", "/dev/sda2", "/home/", true},
      {"vfat", "/dev/sdb1", "/media/student/USB/", true},
      {"iso9660", "/dev/sr0", "/media/cdrom/", true},
      {"iso9660", "/dev/loop3", "/mnt/image/", true},  // a disc image is a disc
      {"nfs4", "school:/export", "/net/school/", true},
      {"squashfs", "/dev/loop0", "/snap/core/123/", false},
      {"squashfs", "/dev/loop1", "/mnt/pkg/", false},
      {"ext4", "/dev/loop2", "/mnt/image/", false},
      {"overlay", "overlay", "/mnt/sandbox/", false},
      {"tmpfs", "tmpfs", "/mnt/scratch/", false},
      {"tmpfs", "tmpfs", "/tmp/", false},
      {"proc", "proc", "/proc/", false},
      {"vfat", "/dev/vda15", "/boot/efi/", false},
  };
  for (const Mount& m : mounts) {
    EXPECT_EQ(
        shell::isUserVolume(QString::fromLatin1(m.type), QString::fromLatin1(m.device), QString::fromLatin1(m.root)),
        m.listed)
        << m.type << " " << m.device << " " << m.root;
  }
}

TEST(Shell, PrivateDataFolderIsTheUsersOwnAndOwnerOnly) {
  QTemporaryDir home;
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  const QString first = shell::privateDataFolder();
  ASSERT_EQ(first, home.path() + u"/vantorel/"_qs);
  const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  EXPECT_FALSE(QFileInfo(first).permissions() & others);
  // Rights others were given are taken back.
  QFile::setPermissions(first, QFileDevice::Permissions(0x7777));
  EXPECT_EQ(shell::privateDataFolder(), first);
  EXPECT_FALSE(QFileInfo(first).permissions() & others);
  // A folder another user owns is not the user's own.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(first).constData(), 4242, 4242), 0);
    EXPECT_TRUE(shell::privateDataFolder().isEmpty());
  }
  if (saved.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", saved);
  }
}

TEST(Shell, TheUsersSettingsFileFollowsTheConfigurationHome) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/home/anna/.cfg");
  EXPECT_EQ(shell::userConfigFile(u"qset.ini"_qs), u"/home/anna/.cfg/vantorel/qset.ini"_qs);
  if (saved.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", saved);
  }
}
