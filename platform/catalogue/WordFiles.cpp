#include "platform/catalogue/WordFiles.h"

#include <algorithm>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/LittleEndian.h"

namespace vantorel::catalogue {

bool RawWordRecord::holds(std::string_view word) const {
  if (word.size() > kWordFieldSize) return false;
  if (word.size() < kWordFieldSize && bytes[word.size()] != '\0') return false;
  return std::string_view(bytes, word.size()) == word;
}

std::string_view RawWordRecord::field() const {
  const std::string_view whole(bytes, kWordFieldSize);
  return whole.substr(0, whole.find('\0'));
}

int32_t RawWordRecord::recordId() const {
  return loadI32(bytes + 32);
}

int32_t RawWordRecord::assetId() const {
  return loadI32(bytes + 36);
}

int16_t RawWordRecord::route() const {
  return loadI16(bytes + 40);
}

WordRecord RawWordRecord::decode() const {
  return {std::string(field()), recordId(), assetId(), route()};
}

void scanWordRecords(RecordFile& words, const std::function<bool(const RawWordRecord&)>& visit) {
  scanRecords(words, kWordRecordSize, [&](const char* record) { return visit(RawWordRecord{record}); });
}

std::vector<WordRecord> parseWordRecords(std::string_view bytes) {
  std::vector<WordRecord> out;
  out.reserve(bytes.size() / kWordRecordSize);
  for (size_t at = 0; at + kWordRecordSize <= bytes.size(); at += kWordRecordSize)
    out.push_back(RawWordRecord{bytes.data() + at}.decode());
  return out;
}

std::vector<std::string> parseWordList(std::string_view bytes) {
  std::vector<std::string> out;
  out.reserve(bytes.size() / kWordListRecordSize);
  for (size_t at = 0; at + kWordListRecordSize <= bytes.size(); at += kWordListRecordSize)
    out.push_back(fieldText(bytes.substr(at, kWordListRecordSize)));
  return out;
}

std::vector<Alternative> parseAlternatives(std::string_view bytes) {
  std::vector<Alternative> out;
  out.reserve(bytes.size() / kAlternativeRecordSize);
  for (size_t at = 0; at + kAlternativeRecordSize <= bytes.size(); at += kAlternativeRecordSize)
    out.push_back({loadI32(bytes.data() + at), fieldText(bytes.substr(at + 4, kAlternativeWordSize))});
  return out;
}

std::vector<FirstLetter> parseFirstLetters(std::string_view bytes) {
  std::vector<FirstLetter> out;
  for (size_t at = 0; at + kFirstLetterRecordSize <= bytes.size(); at += kFirstLetterRecordSize)
    out.push_back(
        {static_cast<unsigned char>(bytes[at]), loadU16(bytes.data() + at + 1), loadU16(bytes.data() + at + 3)});
  return out;
}

}  // namespace vantorel::catalogue
