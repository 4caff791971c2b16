#include "host/CQuillet2App.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include "host/CFindFolderDlg.h"
#include "host/CMainFrame.h"
#include "host/CSplashDlg.h"
#include "host/HostStrings.h"
#include "host/core/IniReader.h"
#include "host/view/CQuillet2View.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Shell.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {
namespace {

CQuillet2App* gApp = nullptr;

}  // namespace

CQuillet2App* CQuillet2App::instance() {
  return gApp;
}

CQuillet2App::Environment CQuillet2App::systemEnvironment() {
  Environment env;
  env.programPath = QCoreApplication::applicationFilePath();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    env.screenSize = screen->size();
    env.colourDepth = screen->depth();
  }
  env.tempFolder = shell::tempFolder();
  env.userSettingsFile = shell::userConfigFile(QString::fromUtf8(kSettingsFileName.data(), kSettingsFileName.size()));
  env.userDataFolder = shell::privateDataFolder();
  const QString programFolder = QFileInfo(env.programPath).absolutePath();
  env.sampleDiscFolders = {programFolder + u"/disc/"_qs};
#ifdef VANTOREL_INSTALLED_DISC
  // An installed program finds the disc installed with it, wherever the whole tree was put.
  env.sampleDiscFolders << QDir::cleanPath(programFolder + u"/"_qs + QStringLiteral(VANTOREL_INSTALLED_DISC)) + u'/';
#endif
  env.findFolder = [](QWidget* parent, int mode) -> std::optional<QString> {
    CFindFolderDlg dialog(parent, mode == 0 ? CFindFolderDlg::Mode::LocateDisc : CFindFolderDlg::Mode::BookmarkFolder);
    if (dialog.DoModal() != QDialog::Accepted) return std::nullopt;
    return dialog.chosenPath();
  };
  env.createMainFrame = [](CQuillet2App& app) -> std::unique_ptr<QWidget> {
    auto frame = std::make_unique<CMainFrame>(app);
    auto* view = new CQuillet2View(app);
    frame->setView(view);
    view->OnInitialUpdate();
    frame->showFirstTime();
    return frame;
  };
  env.wait = [](int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
  };
  return env;
}

CQuillet2App::CQuillet2App(Environment environment) : env_(std::move(environment)) {
  gApp = this;
}

CQuillet2App::~CQuillet2App() {
  mainFrame_.reset();
  splash_.reset();
  if (gApp == this) gApp = nullptr;
}

QString CQuillet2App::settingsFile() const {
  return installFolder_ + u'/' + QString::fromUtf8(kSettingsFileName.data(), kSettingsFileName.size());
}

bool CQuillet2App::InitInstance() {
  if (!readRegistry()) {
    ui::messageBox(hostString(61216), kMessageCaption);
    return false;
  }
  if (env_.showSplash) {
    splash_ = std::make_unique<CSplashDlg>(nullptr);
    splash_->showCentred(env_.screenSize);
  }
  if (!locateDataFolder()) {
    removeSplash();
    return false;
  }
  settleBookmarkPath();
  firstShowMaximised_ = screenForcesMaximised(env_.screenSize.width(), env_.screenSize.height());
  if (env_.createMainFrame) mainFrame_ = env_.createMainFrame(*this);
  if (!mainFrame_) {
    removeSplash();
    return false;
  }
  // The new frame must not hide the splash for the rest of the wait.
  if (splash_) splash_->raise();
  const std::string advice = colourDepthAdvice(env_.colourDepth);
  if (!advice.empty()) ui::messageBox(QString::fromStdString(advice), kMessageCaption);
  if (env_.wait) env_.wait(2000);
  removeSplash();
  return true;
}

bool CQuillet2App::readRegistry() {
  auto& reg = registry::store();
  const std::string key = registryKeyPath();
  const auto directory = reg.queryString(key, "Directory");
  // A store that cannot be read is the one fault that stops the program; a missing key is made.
  if (!reg.lastError().empty()) return false;
  if (!reg.keyExists(key)) reg.createKey(key);

  const QString programFolder = QFileInfo(env_.programPath).absolutePath();
  const InstallFolder install = decideInstallFolder(programFolder.toStdString(), directory);
  installFolder_ = QString::fromStdString(install.folder);
  outsideInstallFolder_ = install.outsideInstallFolder;

  SavedPlacement saved;
  saved.splitter = reg.queryDword(key, "Splitter");
  saved.size = reg.queryDword(key, "Size");
  if (saved.size) {
    saved.left = reg.queryDword(key, "Left");
    saved.top = reg.queryDword(key, "Top");
    saved.right = reg.queryDword(key, "Right");
    saved.bottom = reg.queryDword(key, "Bottom");
  }
  placement_ = decidePlacement(saved, env_.screenSize.width(), env_.screenSize.height());
  return true;
}

namespace {

std::string settingIn(const QString& file, std::string_view key) {
  if (file.isEmpty()) return {};
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.read(static_cast<qint64>(kIniReadLimit));
  return ReadIniValue(iniTextOf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))), key);
}

}  // namespace

std::string CQuillet2App::readSetting(std::string_view key, size_t usableLength) const {
  std::string value = settingIn(env_.userSettingsFile, key);
  if (value.size() >= usableLength) return value;
  return settingIn(settingsFile(), key);
}

void CQuillet2App::writeSetting(std::string_view key, const QString& value) const {
  // Only ever the user's own file: the install folder may be read-only, and is everyone's. A
  // failed write still leaves the value in use for this run.
  if (env_.userSettingsFile.isEmpty()) return;
  QDir().mkpath(QFileInfo(env_.userSettingsFile).absolutePath());
  profile::writePrivateProfileString(env_.userSettingsFile.toStdString(), kSettingsSection, key, value.toStdString());
}

bool CQuillet2App::locateDataFolder() {
  const std::string value = readSetting(kDataPathKey, 2);
  // Without a usable setting, the first sample disc laid out with the program, else the root.
  QString fallback = QDir::rootPath();
  for (const QString& disc : env_.sampleDiscFolders) {
    if (QFileInfo(disc + QString::fromUtf8(kFirstPage.data(), kFirstPage.size())).isFile()) {
      fallback = disc;
      break;
    }
  }
  dataFolder_ = QString::fromStdString(initialDataFolder(value, fallback.toStdString()));
  for (;;) {
    QFile first(dataFolder_ + QString::fromUtf8(kFirstPage.data(), kFirstPage.size()));
    if (QFileInfo(first).isFile() && first.open(QIODevice::ReadOnly)) return true;
    const auto chosen = env_.findFolder ? env_.findFolder(splash_.get(), 0) : std::nullopt;
    if (!chosen) return false;
    writeSetting(kDataPathKey, *chosen);
    dataFolder_ = QString::fromStdString(withTrailingSeparator(chosen->toStdString()));
  }
}

void CQuillet2App::settleBookmarkPath() {
  if (const auto path = usableBookmarkPath(readSetting(kBookmarkKey, 3))) {
    bookmarkPath_ = QString::fromStdString(*path);
    return;
  }
  // No question: on a machine many people share, one answer would give everyone the same file.
  // Each user keeps their own, in their own data folder; nothing needs recording.
  if (env_.userDataFolder.isEmpty()) return;  // nowhere private to keep bookmarks: this run keeps none
  bookmarkPath_ = env_.userDataFolder + QString::fromUtf8(kBookmarkName.data(), kBookmarkName.size());
}

void CQuillet2App::removeSplash() {
  splash_.reset();
}

void CQuillet2App::savePlacement() const {
  auto& reg = registry::store();
  const std::string key = registryKeyPath();
  if (!reg.keyExists(key) && !reg.createKey(key)) return;
  const Placement& p = placement_;
  for (const auto& [name, value] :
       {std::pair{"Size", p.size}, std::pair{"Left", p.left}, std::pair{"Top", p.top}, std::pair{"Right", p.right},
        std::pair{"Bottom", p.bottom}, std::pair{"Splitter", p.splitter}}) {
    if (!reg.setDword(key, name, static_cast<uint32_t>(value))) return;
  }
}

}  // namespace vantorel::host
