#include "platform/shell/Shell.h"

#include <dlfcn.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

std::vector<Volume> volumes() {
  std::vector<Volume> out;
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    const QString type = QString::fromLatin1(s.fileSystemType());
    const QString root = withSeparator(s.rootPath());
    if (!s.isValid() || isPseudoFileSystem(type)) continue;
    // Kernel and runtime folders are not places a user keeps data.
    if (root.startsWith(u"/proc/"_qs) || root.startsWith(u"/sys/"_qs) || root.startsWith(u"/dev/"_qs) ||
        root == u"/run/"_qs || root.startsWith(u"/run/lock"_qs) || root.startsWith(u"/run/user/"_qs))
      continue;
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
