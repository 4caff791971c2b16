#include "host/components/ComponentCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "host/HostStrings.h"
#include "platform/com/Creation.h"
#include "platform/shell/Shell.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {
namespace {

constexpr int kReplaceQuestion = 61228;
constexpr int kRunAgain = 61230;
constexpr int kNothingReplaced = 61231;

constexpr com::FileVersion kNoVersion{};

bool writeThroughSaveFile(const QString& target, const QByteArray& bytes) {
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(bytes);
  return out.commit();
}

std::optional<QByteArray> readWhole(const QString& path) {
  QFile in(path);
  if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly)) return std::nullopt;
  return in.readAll();
}

}  // namespace

ComponentCheck::Machine ComponentCheck::systemMachine() {
  return {
      [](const com::Guid& clsid) { return com::registeredServerPath(clsid); },
      [](const QString& path) { return com::readFileVersion(path.toStdString()); },
      [](const QString& path) { return com::registerLibrary(path.toStdString()) == com::kOk; },
  };
}

ComponentCheck::ComponentCheck(QString componentFolder, QWidget* parent, Machine machine)
    : componentFolder_(std::move(componentFolder)), parent_(parent), machine_(std::move(machine)) {}

bool registerComponent(const QString& componentFolder, const QString& file) {
  return com::registerLibrary((componentFolder + file).toStdString()) == com::kOk;
}

void ComponentCheck::checkComponent(ComponentKind kind) {
  const ComponentInfo& info = componentInfo(kind);
  const QString packagedPath = componentFolder_ + QString::fromLatin1(info.file);
  const auto registered = machine_.registeredPath(info.clsid);
  if (!registered) {
    // Not on this machine yet: nothing older is displaced, so no new start is needed.
    machine_.registerLibrary(packagedPath);
    return;
  }
  const com::FileVersion installed = machine_.fileVersion(QString::fromStdString(*registered));
  const com::FileVersion packaged = machine_.fileVersion(packagedPath);
  if (installed >= packaged) return;
  if (installed != kNoVersion) {
    if (answer_ == Answer::NotAsked) {
      const ui::Answer answer = ui::messageBox(hostString(kReplaceQuestion), kMessageCaption, ui::Buttons::YesNo,
                                               ui::Icon::Question, parent_);
      answer_ = answer == ui::Answer::Yes ? Answer::Yes : Answer::No;
    }
    if (answer_ == Answer::No) {
      startFailed_ = true;
      return;
    }
  }
  // Only a registration that took place asks for a new start; one that failed (a read-only
  // registry) would otherwise ask on every start for ever.
  if (machine_.registerLibrary(packagedPath)) {
    restartNeeded_ = true;
    startFailed_ = true;
  }
}

bool ComponentCheck::run() {
  for (const QString& name : runtimeLibraries()) {
    if (updateRuntimeLibrary(name, shell::systemFolder(), componentFolder_, machine_.fileVersion)) {
      restartNeeded_ = startFailed_ = true;
    }
  }
  for (ComponentKind kind : kCheckOrder) {
    checkComponent(kind);
    if (answer_ == Answer::No) {
      // The user keeps the older installation: nothing more is replaced, and this version cannot
      // run beside it.
      ui::messageBox(hostString(kNothingReplaced), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent_);
      return false;
    }
  }
  if (restartNeeded_) {
    ui::messageBox(hostString(kRunAgain), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent_);
    return false;
  }
  return !startFailed_;
}

bool updateRuntimeLibrary(const QString& name, const QString& systemFolder, const QString& componentFolder,
                          const std::function<com::FileVersion(const QString&)>& fileVersion) {
  const QString target = systemFolder + name;
  const QString packagedPath = componentFolder + name;
  if (fileVersion(target) >= fileVersion(packagedPath)) return false;
  const auto packaged = readWhole(packagedPath);
  if (!packaged) return false;
  if (const auto old = readWhole(target)) {
    if (!writeThroughSaveFile(target + u".qv2k"_qs, *old)) return false;
  }
  // The old library may be mapped by a running program: it keeps its pages while the new file
  // takes the name.
  return writeThroughSaveFile(target, *packaged);
}

const std::vector<QString>& runtimeLibraries() {
  static const std::vector<QString> none;
  return none;
}

}  // namespace vantorel::host
