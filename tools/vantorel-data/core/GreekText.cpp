#include "tools/vantorel-data/core/GreekText.h"

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"

namespace vantorel::data {

std::string_view article(Gender gender, Case c) {
  switch (c) {
    case Case::Nominative: return gender == Gender::Masculine ? "ο" : gender == Gender::Feminine ? "η" : "το";
    case Case::Genitive: return gender == Gender::Feminine ? "της" : "του";
    case Case::Accusative: return gender == Gender::Masculine ? "τον" : gender == Gender::Feminine ? "την" : "το";
  }
  return "";
}

const std::string& form(const GreekName& name, Case c) {
  return c == Case::Genitive ? name.genitive : c == Case::Accusative ? name.accusative : name.nominative;
}

std::string withArticle(const GreekName& name, Case c) {
  return std::string(article(name.gender, c)) + " " + form(name, c);
}

std::string inAccusative(const GreekName& name) {
  const auto a = article(name.gender, Case::Accusative);
  return "σ" + std::string(a.substr(a.find("τ"))) + " " + name.accusative;
}

std::string_view objectPronoun(Gender gender) {
  return gender == Gender::Masculine ? "τον" : gender == Gender::Feminine ? "τη" : "το";
}

std::string agree(std::string_view masculine, Gender gender) {
  // -ός/-ος: feminine -ά/-α after ι (αέριος → αέρια), else -ή/-η (στερεός → στερεή, the form
  // chemistry books use); neuter -ό/-ο.
  const bool stressed = masculine.ends_with("ός");
  const auto stem = masculine.substr(0, masculine.size() - std::string_view("ος").size());
  if (gender == Gender::Masculine) return std::string(masculine);
  if (gender == Gender::Neuter) return std::string(stem) + (stressed ? "ό" : "ο");
  const bool afterVowel = stem.ends_with("ι") || stem.ends_with("ί");
  if (afterVowel) return std::string(stem) + (stressed ? "ά" : "α");
  return std::string(stem) + (stressed ? "ή" : "η");
}

std::string capitalised(std::string_view text) {
  auto bytes = codepage::fromUtf8Lossy(text);
  if (!bytes.empty()) bytes[0] = static_cast<char>(codepage::toUpper(static_cast<unsigned char>(bytes[0])));
  return codepage::toUtf8(bytes);
}

std::string uncapitalised(std::string_view text) {
  auto bytes = codepage::fromUtf8Lossy(text);
  if (bytes.size() < 2) return std::string(text);
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (codepage::toLower(second) != second) return std::string(text);
  bytes[0] = static_cast<char>(codepage::toLower(static_cast<unsigned char>(bytes[0])));
  return codepage::toUtf8(bytes);
}

std::string lowerCased(std::string_view text) {
  return codepage::toUtf8(lowerCase(codepage::fromUtf8Lossy(text)));
}

}  // namespace vantorel::data
