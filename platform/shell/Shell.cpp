#include "platform/shell/Shell.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>
#include <algorithm>

namespace vantorel::shell {
namespace {

QString withSeparator(QString path) {
  if (!path.endsWith(u'/')) path += u'/';
  return path;
}

std::function<bool(const QString&)>& openHandler() {
  static std::function<bool(const QString&)> handler;
  return handler;
}

}  // namespace

QString tempFolder() {
  return withSeparator(QDir::tempPath());
}

QString privateDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) return {};
  const QString path = base + u"/vantorel"_qs;
  if (!QDir().mkpath(path)) return {};
  constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
  QFile::setPermissions(path, ownerOnly);
  const QFileInfo info(path);
  const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  if (info.isSymLink() || !info.isDir() || info.ownerId() != ::geteuid() || (info.permissions() & others)) return {};
  return withSeparator(path);
}

QString userConfigFile(const QString& name) {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) return {};
  return base + u"/vantorel/"_qs + name;
}

QString systemFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&systemFolder), &info) && info.dli_fname)
    return withSeparator(QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath());
  return withSeparator(QDir::rootPath());
}

bool isPseudoFileSystem(const QString& type) {
  static const QStringList pseudo = {
      u"proc"_qs,    u"sysfs"_qs,       u"devtmpfs"_qs, u"devpts"_qs,   u"cgroup"_qs, u"cgroup2"_qs,   u"securityfs"_qs,
      u"debugfs"_qs, u"tracefs"_qs,     u"pstore"_qs,   u"bpf"_qs,      u"mqueue"_qs, u"hugetlbfs"_qs, u"configfs"_qs,
      u"fusectl"_qs, u"binfmt_misc"_qs, u"autofs"_qs,   u"efivarfs"_qs, u"nsfs"_qs,   u"rpc_pipefs"_qs};
  return pseudo.contains(type);
}

VolumeKind volumeKindOf(const QString& type, const QString& rootPath) {
  if (type == u"iso9660"_qs || type == u"udf"_qs) return VolumeKind::CdRom;
  if (type.startsWith(u"nfs"_qs) || type == u"cifs"_qs || type == u"smb3"_qs || type == u"smbfs"_qs ||
      type == u"fuse.sshfs"_qs || type == u"9p"_qs || type == u"virtiofs"_qs)
    return VolumeKind::Remote;
  if (type == u"tmpfs"_qs || type == u"ramfs"_qs) return VolumeKind::RamDisk;
  if (rootPath.startsWith(u"/media/"_qs) || rootPath.startsWith(u"/run/media/"_qs)) return VolumeKind::Removable;
  if (type.isEmpty()) return VolumeKind::Unknown;
  return VolumeKind::Fixed;
}

bool isUserVolume(const QString& type, const QString& device, const QString& rootPath) {
  const QString root = withSeparator(rootPath);
  if (root == u"/"_qs) return true;  // whatever it is mounted from, the root holds the user's files
  if (isPseudoFileSystem(type)) return false;
  // Kernel and runtime folders are not places a user keeps data.
  if (root.startsWith(u"/proc/"_qs) || root.startsWith(u"/sys/"_qs) || root.startsWith(u"/dev/"_qs) ||
      root.startsWith(u"/run/"_qs) || root.startsWith(u"/snap/"_qs) || root.startsWith(u"/boot/"_qs))
    return false;
  const VolumeKind kind = volumeKindOf(type, root);
  // Discs (a mounted disc image too) and network shares are where a data disc may be.
  if (kind == VolumeKind::CdRom || kind == VolumeKind::Remote) return true;
  // Packages, layered and memory file systems are the system's or a sandbox's, not storage.
  static const QStringList notStorage = {u"squashfs"_qs,        u"overlay"_qs, u"tmpfs"_qs, u"ramfs"_qs,
                                         u"fuse.squashfuse"_qs, u"erofs"_qs,   u"cramfs"_qs};
  if (notStorage.contains(type)) return false;
  // Real storage is a block device; a loop device is an image file seen as one.
  return device.startsWith(u"/dev/"_qs) && !device.startsWith(u"/dev/loop"_qs);
}

std::vector<Volume> volumes() {
  std::vector<Volume> out;
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    const QString type = QString::fromLatin1(s.fileSystemType());
    const QString root = withSeparator(s.rootPath());
    if (!s.isValid() || !isUserVolume(type, QString::fromLocal8Bit(s.device()), root)) continue;
    if (!QFileInfo(root).isDir()) continue;  // a single file mounted over another
    if (std::any_of(out.begin(), out.end(), [&](const Volume& v) { return v.rootPath == root; })) continue;
    out.push_back({root, s.name(), volumeKindOf(type, root)});
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const Volume& a, const Volume& b) { return a.rootPath == u"/"_qs && b.rootPath != u"/"_qs; });
  return out;
}

bool openUrl(const QString& address) {
  if (openHandler()) return openHandler()(address);
  return QDesktopServices::openUrl(QUrl(address));
}

bool openDocument(const QString& path) {
  if (openHandler()) return openHandler()(path);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setOpenHandler(std::function<bool(const QString&)> handler) {
  openHandler() = std::move(handler);
}

}  // namespace vantorel::shell
