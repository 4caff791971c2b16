#include "platform/codepage/SearchFold.h"

#include <array>

#include "platform/codepage/Cp1253.h"

namespace vantorel::codepage {
namespace {

constexpr unsigned char kSigma = 0xF3;
constexpr unsigned char kFinalSigma = 0xF2;

std::array<unsigned char, 256> makeFolds() {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) fold[static_cast<size_t>(b)] = toLower(static_cast<unsigned char>(b));
  // Lower-case letters with their accent or diaeresis, by the letter they carry it on.
  const std::pair<unsigned char, unsigned char> marked[] = {
      {0xDC, 0xE1},                         // ά
      {0xDD, 0xE5},                         // έ
      {0xDE, 0xE7},                         // ή
      {0xDF, 0xE9},                         // ί
      {0xFA, 0xE9},                         // ϊ
      {0xC0, 0xE9},                         // ΐ
      {0xFC, 0xEF},                         // ό
      {0xFD, 0xF5},                         // ύ
      {0xFB, 0xF5},                         // ϋ
      {0xE0, 0xF5},                         // ΰ
      {0xFE, 0xF9},                         // ώ
      {kFinalSigma, kSigma}, {0xB5, 0xEC},  // micro sign, which case folding makes mu
  };
  for (const auto& [from, to] : marked) fold[from] = to;
  // Capitals lowered above may have landed on a marked letter (Ά -> ά, Ϊ -> ϊ): fold once more.
  for (auto& b : fold) {
    for (const auto& [from, to] : marked) {
      if (b == from) {
        b = to;
        break;
      }
    }
  }
  return fold;
}

const std::array<unsigned char, 256>& folds() {
  static const std::array<unsigned char, 256> table = makeFolds();
  return table;
}

bool isLetter(unsigned char b) {
  const unsigned char f = foldForSearch(b);
  return (f >= 'a' && f <= 'z') || (f >= 0xE1 && f <= 0xF9) || f == 0x83;  // 0x83: ƒ
}

}  // namespace

unsigned char foldForSearch(unsigned char byte) {
  return folds()[byte];
}

std::string foldForSearch(std::string_view cp1253) {
  std::string out(cp1253);
  for (char& c : out) c = static_cast<char>(foldForSearch(static_cast<unsigned char>(c)));
  return out;
}

std::string lowerForSearch(std::string_view cp1253) {
  std::string out(cp1253.size(), '\0');
  for (size_t i = 0; i < cp1253.size(); ++i) {
    const auto b = static_cast<unsigned char>(cp1253[i]);
    unsigned char lower = toLower(b);
    if (lower == kSigma) {
      const bool after = i > 0 && isLetter(static_cast<unsigned char>(cp1253[i - 1]));
      const bool before = i + 1 < cp1253.size() && isLetter(static_cast<unsigned char>(cp1253[i + 1]));
      if (after && !before) lower = kFinalSigma;
    }
    out[i] = static_cast<char>(lower);
  }
  return out;
}

bool sameWordForSearch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (foldForSearch(static_cast<unsigned char>(a[i])) != foldForSearch(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace vantorel::codepage
