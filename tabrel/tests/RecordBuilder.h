#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/elements/ElementData.h"

// Writes element.dat records field by field for the tests.
namespace vantorel::tabrel::testing {

using namespace elements;

class RecordBuilder {
 public:
  // A record with every optional field unknown, placed at (column, row).
  RecordBuilder& add(const std::string& name, const std::string& symbol, int column, int row) {
    bytes_.resize(bytes_.size() + kRecordSize, 0);
    current_ = bytes_.size() - kRecordSize;
    std::memcpy(&bytes_[current_ + field::kName], name.data(), std::min<size_t>(name.size(), 19));
    std::memcpy(&bytes_[current_ + field::kSymbol], symbol.data(), std::min<size_t>(symbol.size(), 3));
    for (size_t offset = field::kDensity; offset < field::kDiscoveryYear; offset += offset < 40 ? 8 : 4)
      offset < 40 ? setDouble(offset, -20000) : setFloat(offset, -20000);
    for (size_t offset : {field::kMeltingPoint, field::kBoilingPoint, field::kMassNumber, field::kProtons,
                          field::kElectrons, field::kNeutrons, field::kVanDerWaalsRadius})
      setInt16(offset, -20000);
    setInt16(field::kColumn, static_cast<int16_t>(column));
    setInt16(field::kRow, static_cast<int16_t>(row));
    return *this;
  }
  RecordBuilder& setInt16(size_t offset, int16_t v) {
    bytes_[current_ + offset] = static_cast<uint8_t>(v & 0xFF);
    bytes_[current_ + offset + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
    return *this;
  }
  RecordBuilder& setFloat(size_t offset, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) bytes_[current_ + offset + i] = static_cast<uint8_t>(bits >> (8 * i));
    return *this;
  }
  RecordBuilder& setDouble(size_t offset, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i) bytes_[current_ + offset + i] = static_cast<uint8_t>(bits >> (8 * i));
    return *this;
  }
  RecordBuilder& temperatures(int16_t melting, int16_t boiling) {
    return setInt16(field::kMeltingPoint, melting).setInt16(field::kBoilingPoint, boiling);
  }
  [[nodiscard]] const std::vector<uint8_t>& bytes() const { return bytes_; }
  [[nodiscard]] ElementTable table() const {
    ElementTable t;
    t.assign(bytes_);
    return t;
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t current_ = 0;
};

}  // namespace vantorel::tabrel::testing
