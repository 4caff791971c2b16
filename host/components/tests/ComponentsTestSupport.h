#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host::componenttest {

inline const QString kPackaged = QStringLiteral(PACKAGED_DIR);
inline const QString kOld = QStringLiteral(OLD_DIR);
inline const QStringList kAllFiles{u"tabrelgk.ocx"_qs, u"brovikgk.ocx"_qs, u"dravixgk.ocx"_qs, u"kestringk.ocx"_qs,
                                   u"fennickgk.ocx"_qs};

// A registry of its own, a recording message-box service, and a component folder that holds
// copies of the chosen fake components.
struct ComponentSandbox {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  QString componentFolder;

  explicit ComponentSandbox(const QStringList& files = kAllFiles) {
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
    componentFolder = dir.filePath(u"ActiveX"_qs) + u'/';
    QDir().mkpath(componentFolder);
    for (const QString& file : files) QFile::copy(kPackaged + file, componentFolder + file);
  }

  [[nodiscard]] QString path(const QString& name) const { return dir.filePath(name); }

  void registerFile(const QString& file) const { (void)com::registerLibrary(file.toStdString()); }
  void registerBrowser() const { registerFile(kPackaged + u"webfake.ocx"_qs); }

  [[nodiscard]] QStringList shownTexts() const {
    QStringList texts;
    for (const auto& shown : boxes.shown()) texts << shown.text;
    return texts;
  }
};

}  // namespace vantorel::host::componenttest
