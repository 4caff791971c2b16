// vantorel-data: compiles, checks, dumps and synthesises data folders.
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "host/bookmarks/core/BookmarkDump.h"
#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/core/Dump.h"
#include "tools/vantorel-data/core/Synth.h"
#include "tools/vantorel-data/pictures/QtPictureSet.h"

namespace {

// Qt's own notes (a missing runtime folder of the offscreen platform) are not the compiler's
// diagnostics; only Qt's failures are shown.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// A bookmark file: named so, or starting as one does.
std::optional<std::string> bookmarkFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string name = std::filesystem::path(path).filename().string();
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  if (name.find("bookmark") == std::string::npos && !vantorel::bookmarks::looksLikeBookmarkFile(bytes))
    return std::nullopt;
  return bytes;
}

int usage() {
  std::cerr << "usage:\n"
               "  vantorel-data build SRC_DIR OUT_DIR\n"
               "  vantorel-data check DIR [SRC_DIR]\n"
               "  vantorel-data check BOOKMARK_FILE\n"
               "  vantorel-data dump FILE\n"
               "  vantorel-data synth --scale N OUT_DIR\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantorel::data;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const std::string& command = args[0];
  if (command == "build" && args.size() == 3) {
    // The pictures are painted with Qt's fonts, which need a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::vector<Diagnostic> diagnostics;
    const bool ok = buildDisc(args[1], args[2], QtPictureSet(), diagnostics);
    for (const auto& d : diagnostics) std::cerr << formatDiagnostic(d) << '\n';
    return ok ? 0 : 1;
  }
  if (command == "check" && args.size() == 2 && std::filesystem::is_regular_file(args[1])) {
    const auto bytes = bookmarkFileBytes(args[1]);
    if (!bytes) {
      std::cerr << args[1] << ": not a bookmark file (check takes a data folder or a bookmark file)\n";
      return 2;
    }
    const auto faults = vantorel::bookmarks::checkBookmarkFile(*bytes);
    for (const auto& f : faults) std::cout << args[1] << ": " << f << '\n';
    if (faults.empty()) std::cout << args[1] << ": sound\n";
    return faults.empty() ? 0 : 1;
  }
  if (command == "check" && (args.size() == 2 || args.size() == 3)) {
    // With the sources, the generated sentences are checked against the forms of the names too.
    const auto faults = checkDisc(args[1], args.size() == 3 ? args[2] : std::string());
    for (const auto& f : faults) std::cout << formatFault(f) << '\n';
    if (faults.empty()) std::cout << args[1] << ": sound\n";
    return faults.empty() ? 0 : 1;
  }
  if (command == "dump" && args.size() == 2) {
    if (const auto bytes = bookmarkFileBytes(args[1]))
      return vantorel::bookmarks::dumpBookmarkFile(*bytes, std::cout) ? 0 : 1;
    return dumpPath(args[1], std::cout, std::cerr);
  }
  if (command == "synth" && args.size() == 4 && args[1] == "--scale") {
    char* end = nullptr;
    const long scale = std::strtol(args[2].c_str(), &end, 10);
    if (*end != '\0' || scale < 1 || scale > 100000) {
      std::cerr << "synth: scale must be a whole number from 1 to 100000\n";
      return 2;
    }
    std::string error;
    if (!synthDisc(args[3], static_cast<size_t>(scale), error)) {
      std::cerr << error << '\n';
      return 1;
    }
    return 0;
  }
  return usage();
}
