#include "host/bookmarks/BookmarkStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include "host/bookmarks/BookmarkTexts.h"
#include "host/bookmarks/core/BookmarkFile.h"
#include "platform/files/FileLock.h"
#include "platform/files/RegularFile.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::bookmarks {
namespace {

// Far beyond any list a person makes; a larger file is not ours.
constexpr size_t kMaxFileSize = 64u << 20;
constexpr qint64 kWritePiece = 64 << 10;

std::filesystem::path fsPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

// The whole file, or nothing when it is larger than any bookmark file.
std::optional<std::string> readAll(std::FILE* file) {
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const size_t n = std::fread(buffer, 1, sizeof buffer, file);
    bytes.append(buffer, n);
    if (bytes.size() > kMaxFileSize) return std::nullopt;
    if (n < sizeof buffer) break;
  }
  return bytes;
}

}  // namespace

BookmarkStore::BookmarkStore(QString path) : path_(std::move(path)) {}

void BookmarkStore::reset() {
  list_ = defaultList();
  ready_ = true;
}

void BookmarkStore::load(QWidget* parent) {
  list_ = BookmarkList();
  ready_ = false;
  const files::FilePtr file = files::openRegularFile(path_.toStdString());
  if (!file) {
    reset();
    return;
  }
  const std::optional<std::string> bytes = readAll(file.get());
  if (bytes) {
    if (auto list = loadList(*bytes)) {
      list_ = std::move(*list);
      ready_ = true;
      return;
    }
  }
  // The damaged file goes aside now, so that no later save can write over it.
  badFilePending_ = true;
  QString text = kCorruptFile;
  if (keepBadFileAside()) text += u"\n\n"_qs + kKeptAside.arg(QDir::toNativeSeparators(badPath()));
  ui::messageBox(text, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent);
  reset();
}

bool BookmarkStore::keepBadFileAside() {
  std::error_code ec;
  std::filesystem::rename(fsPath(path_), fsPath(badPath()), ec);
  // Gone meanwhile: nothing is left to keep.
  if (!ec || !std::filesystem::exists(fsPath(path_), ec)) badFilePending_ = false;
  return !badFilePending_;
}

bool BookmarkStore::save(QWidget* parent) {
  if (!ready_ || list_.records.empty()) return true;
  const QString folder = QFileInfo(path_).absolutePath();
  QDir().mkpath(folder);
  const QString cannotWrite = bookmarkString(kCannotWrite) + QDir::toNativeSeparators(path_);
  files::FileLock lock(fsPath(path_));
  if (badFilePending_ && !keepBadFileAside()) {
    ui::messageBox(cannotWrite, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent);
    return false;
  }
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) {
    ui::messageBox(cannotWrite, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent);
    return false;
  }
  const std::string bytes = writeBookmarkFile(list_.records);
  bool ok = true;
  for (qint64 done = 0; ok && done < static_cast<qint64>(bytes.size());) {
    const qint64 piece = std::min<qint64>(kWritePiece, static_cast<qint64>(bytes.size()) - done);
    ok = file.write(bytes.data() + done, piece) == piece;
    done += piece;
    if (writeObserver_) writeObserver_(done);
  }
  // Commit flushes the new file to the disc and only then renames it over the old one.
  if (!ok || !file.commit()) {
    file.cancelWriting();
    ui::messageBox(bookmarkString(kWriteFailed), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent);
    return false;
  }
  return true;
}

}  // namespace vantorel::bookmarks
