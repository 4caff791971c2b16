#include "platform/codepage/SearchFold.h"

#include <array>

#include "platform/codepage/Cp1253.h"

namespace vantorel::codepage {
namespace {

constexpr unsigned char kSigma = 0xF3;       // σ
constexpr unsigned char kFinalSigma = 0xF2;  // ς

std::array<unsigned char, 256> makeFolds() {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) fold[static_cast<size_t>(b)] = toLower(static_cast<unsigned char>(b));
  // Each marked small letter as the bare letter it is; capitals lowered above that landed on a
  // marked letter (Ά -> ά, Ϊ -> ϊ) follow it. The micro sign is mu, as Unicode case folding has it.
  const std::string marked = fromUtf8Lossy("άέήίϊΐόύϋΰώςµ");
  const std::string bare = fromUtf8Lossy("αεηιιιουυυωσμ");
  for (auto& b : fold) {
    const size_t at = marked.find(static_cast<char>(b));
    if (at != std::string::npos) b = static_cast<unsigned char>(bare[at]);
  }
  return fold;
}

}  // namespace

const std::array<unsigned char, 256>& searchFoldTable() {
  static const std::array<unsigned char, 256> table = makeFolds();
  return table;
}

namespace {

bool isLetter(unsigned char b) {
  const unsigned char f = foldForSearch(b);
  return (f >= 'a' && f <= 'z') || (f >= 0xE1 && f <= 0xF9) || f == 0x83;  // 0x83: ƒ
}

}  // namespace

unsigned char foldForSearch(unsigned char byte) {
  return searchFoldTable()[byte];
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
