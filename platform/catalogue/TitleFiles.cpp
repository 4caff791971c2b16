#include "platform/catalogue/TitleFiles.h"

#include <algorithm>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/codepage/Cp1253.h"

namespace vantorel::catalogue {

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

std::vector<std::string> parseTitleRecords(std::string_view bytes) {
  std::vector<std::string> out;
  out.reserve(bytes.size() / kTitleRecordSize);
  for (size_t at = 0; at + kTitleRecordSize <= bytes.size(); at += kTitleRecordSize)
    out.push_back(fieldText(bytes.substr(at, kTitleRecordSize)));
  return out;
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

TitleRead TitleFiles::readStored(int32_t assetId) {
  const int index = titleFileIndex(assetType(assetId));
  if (index < 0) return {TitleRead::Status::UnknownType, {}};
  RecordFile* file = files_[static_cast<size_t>(index)].get();
  if (!file) return {TitleRead::Status::NotOpen, {}};
  const int32_t number = assetNumber(assetId);
  if (number < 1) return {TitleRead::Status::NoRecord, {}};
  char record[kTitleRecordSize];
  const uint64_t offset = static_cast<uint64_t>(number - 1) * kTitleRecordSize;
  if (file->readAt(offset, record, sizeof record) != sizeof record) return {TitleRead::Status::NoRecord, {}};
  return {TitleRead::Status::Ok, fieldText(std::string_view(record, sizeof record))};
}

TitleRead TitleFiles::read(int32_t assetId) {
  TitleRead r = readStored(assetId);
  if (r.status == TitleRead::Status::Ok) r.title = fixTitle(std::move(r.title));
  return r;
}

}  // namespace vantorel::catalogue
