#include "brovik/core/CatalogFiles.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/codepage/Cp1253.h"
#include "platform/codepage/SearchFold.h"
#include "platform/files/RegularFile.h"

namespace vantorel::brovik {
namespace {

int32_t getI32(const char* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return static_cast<int32_t>(v);
}

int16_t getI16(const char* p) {
  return static_cast<int16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
}

constexpr std::array<std::string_view, 8> kStems = {"",     "react",   "struct",   "source",
                                                    "uses", "history", "elemcomp", "concept"};

}  // namespace

RecordFile::~RecordFile() = default;

std::unique_ptr<DiskFile> DiskFile::open(const std::string& path) {
  std::FILE* file = files::openRegularFile(path).release();
  if (!file) return nullptr;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0) {
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<DiskFile>(new DiskFile(file, static_cast<uint64_t>(size)));
}

DiskFile::~DiskFile() {
  std::fclose(file_);
}

size_t DiskFile::readAt(uint64_t offset, char* out, size_t count) {
  if (offset > static_cast<uint64_t>(std::numeric_limits<long>::max())) return 0;
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(out, 1, count, file_);
}

size_t MemoryFile::readAt(uint64_t offset, char* out, size_t count) {
  if (offset >= bytes_.size()) return 0;
  const size_t n = std::min<uint64_t>(count, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

FileOpener diskOpener() {
  return [](const std::string& path) -> std::unique_ptr<RecordFile> { return DiskFile::open(path); };
}

std::string fieldText(std::string_view field) {
  const size_t nul = field.find('\0');
  return std::string(field.substr(0, nul));
}

std::string_view routeStem(int route) {
  return route >= 1 && route <= 7 ? kStems[static_cast<size_t>(route)] : kStems[0];
}

std::string topicFileName(const std::string& dataPath, int route) {
  return dataPath + std::string(routeStem(route)) + ".dat";
}

std::string associationFileName(const std::string& topicFile) {
  if (topicFile.size() < 3) return "ass";
  return topicFile.substr(0, topicFile.size() - 3) + "ass";
}

std::vector<TopicRecord> parseTopicRecords(std::string_view bytes) {
  std::vector<TopicRecord> records;
  const size_t count = bytes.size() / kTopicRecordSize;
  records.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char* r = bytes.data() + i * kTopicRecordSize;
    records.push_back(TopicRecord{fieldText(std::string_view(r, kTopicTitleSize)), getI32(r + 100), getI32(r + 104),
                                  getI32(r + 108)});
  }
  return records;
}

std::vector<AssociationRecord> parseAssociationRecords(std::string_view bytes) {
  std::vector<AssociationRecord> records;
  const size_t count = bytes.size() / kAssociationRecordSize;
  records.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char* r = bytes.data() + i * kAssociationRecordSize;
    records.push_back(AssociationRecord{getI32(r), getI32(r + 4)});
  }
  return records;
}

std::optional<std::string> readWhole(RecordFile& file, uint64_t limit) {
  const uint64_t size = file.size();
  if (size > limit) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  const size_t got = size ? file.readAt(0, bytes.data(), bytes.size()) : 0;
  bytes.resize(got);
  return bytes;
}

std::optional<std::vector<TopicRecord>> loadTopicTree(const FileOpener& open, const std::string& path) {
  auto file = open(path);
  if (!file) return std::nullopt;
  auto bytes = readWhole(*file);
  if (!bytes) return std::nullopt;
  return parseTopicRecords(*bytes);
}

std::vector<AssociationRecord> loadAssociations(const FileOpener& open, const std::string& path) {
  auto file = open(path);
  if (!file) return {};
  auto bytes = readWhole(*file);
  return bytes ? parseAssociationRecords(*bytes) : std::vector<AssociationRecord>{};
}

std::string fixTitle(std::string title) {
  static const std::string kExamining = codepage::fromUtf8Lossy("Εξετάζοντας ");
  static const std::string kFinal = codepage::fromUtf8Lossy("Τελική επιθεώρηση ");
  static const std::string kUpsilon = codepage::fromUtf8Lossy("υ");
  if (title.size() != kTitleRecordSize - 1) return title;
  if (title.starts_with(kExamining)) {
    title += kUpsilon;
  } else if (title.starts_with(kFinal)) {
    title.pop_back();
  }
  return title;
}

const std::array<TitleFileInfo, 9>& titleFiles() {
  static const std::array<TitleFileInfo, 9> files = {{{"video.ttl", {12, 0, 0}},
                                                      {"mol.ttl", {13, 0, 0}},
                                                      {"photo.ttl", {11, 0, 0}},
                                                      {"sci.ttl", {8, 0, 0}},
                                                      {"elem.ttl", {1, 0, 0}},
                                                      {"country.ttl", {4, 0, 0}},
                                                      {"mineral.ttl", {6, 0, 0}},
                                                      {"comp.ttl", {2, 0, 0}},
                                                      {"history.ttl", {74, 76, 77}}}};
  return files;
}

int titleFileIndex(int32_t type) {
  if (type <= 0) return -1;
  const auto& files = titleFiles();
  for (size_t i = 0; i < files.size(); ++i) {
    for (int32_t t : files[i].types) {
      if (t == type) return static_cast<int>(i);
    }
  }
  return -1;
}

std::vector<std::string> TitleFiles::open(const FileOpener& opener, const std::string& dataPath) {
  close();
  std::vector<std::string> failed;
  const auto& infos = titleFiles();
  for (size_t i = 0; i < infos.size(); ++i) {
    const std::string path = dataPath + infos[i].name;
    files_[i] = opener(path);
    if (!files_[i]) failed.push_back(path);
  }
  return failed;
}

void TitleFiles::close() {
  for (auto& f : files_) f.reset();
}

bool TitleFiles::allOpen() const {
  return std::all_of(files_.begin(), files_.end(), [](const auto& f) { return f != nullptr; });
}

void TitleFiles::setFile(int index, std::unique_ptr<RecordFile> file) {
  if (index >= 0 && index < static_cast<int>(files_.size())) files_[static_cast<size_t>(index)] = std::move(file);
}

TitleRead TitleFiles::read(int32_t assetId) {
  const int index = titleFileIndex(assetType(assetId));
  if (index < 0) return {TitleRead::Status::UnknownType, {}};
  RecordFile* file = files_[static_cast<size_t>(index)].get();
  if (!file) return {TitleRead::Status::NotOpen, {}};
  const int32_t number = assetNumber(assetId);
  if (number < 1) return {TitleRead::Status::NoRecord, {}};
  char record[kTitleRecordSize];
  const uint64_t offset = static_cast<uint64_t>(number - 1) * kTitleRecordSize;
  if (file->readAt(offset, record, sizeof record) != sizeof record) return {TitleRead::Status::NoRecord, {}};
  return {TitleRead::Status::Ok, fixTitle(fieldText(std::string_view(record, sizeof record)))};
}

void forEachWordRecord(RecordFile& words, std::string_view word,
                       const std::function<void(int32_t, int32_t, int16_t, bool)>& visit) {
  // A word longer than the field, or empty, matches no record.
  if (word.empty() || word.size() > kWordFieldSize) return;
  const std::string folded = codepage::foldForSearch(word);
  constexpr size_t kChunkRecords = 4096;
  const size_t total = static_cast<size_t>(words.size() / kWordRecordSize);
  std::string chunk(std::min(kChunkRecords, total) * kWordRecordSize, '\0');
  const auto& fold = codepage::searchFoldTable();
  auto sameFolded = [&](const char* record) {
    for (size_t k = 0; k < folded.size(); ++k) {
      if (fold[static_cast<unsigned char>(record[k])] != static_cast<unsigned char>(folded[k])) return false;
    }
    return true;
  };
  for (size_t at = 0; at < total;) {
    const size_t want = std::min(kChunkRecords, total - at);
    const size_t got = words.readAt(static_cast<uint64_t>(at) * kWordRecordSize, chunk.data(), want * kWordRecordSize);
    const size_t records = got / kWordRecordSize;
    for (size_t i = 0; i < records; ++i) {
      const char* r = chunk.data() + i * kWordRecordSize;
      if (word.size() < kWordFieldSize && r[word.size()] != '\0') continue;
      if (!sameFolded(r)) continue;
      visit(getI32(r + 32), getI32(r + 36), getI16(r + 40), std::string_view(r, word.size()) == word);
    }
    if (records < want) break;  // the file shrank under us
    at += records;
  }
}

WordSearch findWord(RecordFile& words, std::string_view word, int route, size_t limit) {
  WordSearch exact;
  WordSearch folded;
  forEachWordRecord(words, word, [&](int32_t recordId, int32_t assetId, int16_t r, bool isExact) {
    folded.occursAnywhere = true;
    if (r != route) return;
    if (isExact && exact.hits.size() < limit) exact.hits.push_back({recordId, assetId});
    if (folded.hits.size() < limit) folded.hits.push_back({recordId, assetId});
  });
  // The word as typed wins over its look-alikes: "νόμος" must not also bring "νομός".
  if (!exact.hits.empty()) folded.hits = std::move(exact.hits);
  return folded;
}

}  // namespace vantorel::brovik
