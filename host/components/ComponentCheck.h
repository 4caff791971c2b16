#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/components/ComponentTable.h"
#include "platform/com/VersionResource.h"

class QWidget;

namespace vantorel::host {

// Brings the machine's registered components up to date from the installation's component
// folder when the program runs from elsewhere. A registered component that is missing gets
// registered; one older than the packaged copy is registered anew from the component folder
// after the user agrees (asked once per start). Registration that succeeded means the program
// must be started again.
class ComponentCheck {
 public:
  // What the check needs from the machine; the defaults use the registry store and real files.
  struct Machine {
    std::function<std::optional<std::string>(const com::Guid&)> registeredPath;
    std::function<com::FileVersion(const QString& path)> fileVersion;
    std::function<bool(const QString& path)> registerLibrary;  // true when registration succeeded
  };
  [[nodiscard]] static Machine systemMachine();

  // componentFolder ends in a separator.
  ComponentCheck(QString componentFolder, QWidget* parent = nullptr, Machine machine = systemMachine());

  // The whole check with its messages. false: the start-up ends here (a restart is needed, the
  // user refused to replace the components); the caller marks its start failed.
  bool run();

  // The single steps, for callers and tests.
  enum class Answer { NotAsked, Yes, No };
  void checkComponent(ComponentKind kind);
  [[nodiscard]] bool restartNeeded() const { return restartNeeded_; }
  [[nodiscard]] Answer replaceAnswer() const { return answer_; }
  [[nodiscard]] bool startFailed() const { return startFailed_; }

 private:
  QString componentFolder_;
  QWidget* parent_;
  Machine machine_;
  bool restartNeeded_ = false;
  bool startFailed_ = false;
  Answer answer_ = Answer::NotAsked;
};

// Registers file (a name in componentFolder) again; true when its registration entry succeeded.
bool registerComponent(const QString& componentFolder, const QString& file);

// A runtime library that the installation would bring up to date in the system folder: the packaged
// copy replaces an older one through a new file beside it that is renamed over it, and the old one
// is kept as name + ".qv2k". The system's package manager owns the libraries we run on, so the
// program's own table of such libraries is empty; true when the library was replaced.
bool updateRuntimeLibrary(const QString& name, const QString& systemFolder, const QString& componentFolder,
                          const std::function<com::FileVersion(const QString&)>& fileVersion);
[[nodiscard]] const std::vector<QString>& runtimeLibraries();

}  // namespace vantorel::host
