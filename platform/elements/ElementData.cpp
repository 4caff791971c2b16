#include "platform/elements/ElementData.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "platform/files/RegularFile.h"

namespace vantorel::elements {
namespace {

// Little-endian reads that do not depend on the host's byte order or alignment.
uint64_t readLe(const uint8_t* p, size_t size) {
  uint64_t v = 0;
  for (size_t i = 0; i < size; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
  return v;
}

std::string textField(const uint8_t* p, size_t size) {
  const auto* begin = reinterpret_cast<const char*>(p);
  const void* nul = std::memchr(begin, 0, size);
  return std::string(begin, nul ? static_cast<const char*>(nul) - begin : size);
}

}  // namespace

void ElementTable::assign(std::span<const uint8_t> bytes) {
  size_t count = bytes.size() / kRecordSize;
  if (count > kMaxRecords) count = kMaxRecords;
  records_.assign(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(count * kRecordSize));
  gridIndex_.fill(kNoElement);
  for (int i = 0; i < recordCount(); ++i) {
    const int c = column(i);
    const int r = row(i);
    // A record placed off the grid is simply not shown.
    if (c < 0 || c >= kGridColumns || r < 0 || r >= kGridRows) continue;
    gridIndex_[static_cast<size_t>(c * kGridRows + r)] = static_cast<uint8_t>(i);
  }
}

std::string ElementTable::name(int record) const {
  return textField(&records_[static_cast<size_t>(record) * kRecordSize + field::kName], field::kNameSize);
}

std::string ElementTable::symbol(int record) const {
  return textField(&records_[static_cast<size_t>(record) * kRecordSize + field::kSymbol], field::kSymbolSize);
}

int16_t ElementTable::int16At(int record, size_t offset) const {
  return static_cast<int16_t>(readLe(&records_[static_cast<size_t>(record) * kRecordSize + offset], 2));
}

float ElementTable::floatAt(int record, size_t offset) const {
  return std::bit_cast<float>(
      static_cast<uint32_t>(readLe(&records_[static_cast<size_t>(record) * kRecordSize + offset], 4)));
}

double ElementTable::doubleAt(int record, size_t offset) const {
  return std::bit_cast<double>(readLe(&records_[static_cast<size_t>(record) * kRecordSize + offset], 8));
}

int ElementTable::category(int record) const {
  const int c = int16At(record, field::kCategory);
  return c >= 0 && c < kCategoryCount ? c : 3;
}

int ElementTable::signedDiscoveryYear(int record) const {
  const int stored = int16At(record, field::kDiscoveryYear);
  return stored > 2000 ? -stored : stored;
}

uint8_t ElementTable::recordAt(int column, int row) const {
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return kNoElement;
  return gridIndex_[static_cast<size_t>(column * kGridRows + row)];
}

bool LoadElementData(const std::string& dataPath, ElementTable& table) {
  const files::FilePtr file = files::openRegularFile(dataPath + "element.dat");
  if (!file) return false;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long length = std::ftell(file.get());
  if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
  // Records past the 255th cannot be shown, so they are not read.
  const auto wanted = std::min<size_t>(static_cast<size_t>(length) / kRecordSize, kMaxRecords) * kRecordSize;
  std::vector<uint8_t> bytes(wanted);
  if (wanted > 0 && std::fread(bytes.data(), 1, wanted, file.get()) != wanted) return false;
  table.assign(bytes);
  return true;
}

}  // namespace vantorel::elements
