#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

// Folders, volumes and opening documents through the desktop.
namespace vantorel::shell {

// The temporary folder, ending in a separator.
[[nodiscard]] QString tempFolder();

// The folder of the platform's shared libraries (where this layer itself lies), ending in a
// separator: the place the system's own runtime libraries are looked for and replaced.
[[nodiscard]] QString systemFolder();

enum class VolumeKind { Removable, Fixed, Remote, CdRom, RamDisk, Unknown };

struct Volume {
  QString rootPath;  // ends in a separator
  QString label;     // the volume's name, may be empty
  VolumeKind kind = VolumeKind::Unknown;
};

// The user's own data folder ($XDG_DATA_HOME/vantorel, by default ~/.local/share/vantorel),
// ending in a separator: created when missing with owner-only rights, and refused (empty) when
// another user owns it or others may enter it. The place for files the program keeps for the user.
[[nodiscard]] QString privateDataFolder();

// The full name of a settings file of the user's own ($XDG_CONFIG_HOME/vantorel/NAME, by default
// ~/.config/vantorel/NAME); empty when the user has no home. Its folder is not made here.
[[nodiscard]] QString userConfigFile(const QString& name);

// The mounted volumes that hold the user's files, the root first: real storage, removable media,
// discs and network shares (pseudo file systems, images and sandbox mounts left out).
[[nodiscard]] std::vector<Volume> volumes();
// Whether a mount is such a volume, from its file-system type, device and mount point.
[[nodiscard]] bool isUserVolume(const QString& fileSystemType, const QString& device, const QString& rootPath);
// The kind of a volume from its file-system type and mount point.
[[nodiscard]] VolumeKind volumeKindOf(const QString& fileSystemType, const QString& rootPath);
// Whether a file-system type is a kernel pseudo file system that holds no user files.
[[nodiscard]] bool isPseudoFileSystem(const QString& fileSystemType);

// Opens a web address or a document with the desktop's program for it. Tests install a handler
// in place of the desktop; it receives the address or path and says whether it was opened.
bool openUrl(const QString& address);
bool openDocument(const QString& path);
void setOpenHandler(std::function<bool(const QString&)> handler);

}  // namespace vantorel::shell
