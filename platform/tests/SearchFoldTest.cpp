#include <gtest/gtest.h>

#include <QList>
#include <QString>

#include "platform/codepage/Cp1253.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/codepage/SearchFold.h"

namespace cp = vantorel::codepage;

namespace {

// What Unicode makes of a letter when accents go (canonical decomposition, marks dropped) and
// case is folded; the search fold of every byte must agree with it.
QString unicodeSearchFold(const QString& letter) {
  QString bare;
  for (QChar c : letter.normalized(QString::NormalizationForm_D)) {
    if (c.category() != QChar::Mark_NonSpacing) bare += c;
  }
  return bare.toCaseFolded();
}

std::string cp1253(const char* utf8) {
  return cp::fromUtf8Lossy(utf8);
}

}  // namespace

TEST(SearchFold, EveryByteOfTheCodePageFoldsAsUnicodeFoldsIt) {
  int letters = 0;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t u = cp::toUnicode(byte);
    const unsigned char folded = cp::foldForSearch(byte);
    EXPECT_EQ(cp::foldForSearch(folded), folded) << "folding twice changes byte " << b;
    const QString text = QString::fromUcs4(&u, 1);
    if (u == 0xFFFD || !text[0].isLetter()) {
      EXPECT_EQ(folded, byte) << "byte " << b << " is no letter and folds to itself";
      continue;
    }
    ++letters;
    const auto expected = cp::fromUnicode(unicodeSearchFold(text).toUcs4().value(0));
    ASSERT_TRUE(expected) << "byte " << b;
    EXPECT_EQ(folded, *expected) << "byte " << b;
    EXPECT_EQ(cp::foldForSearch(cp::toUpper(byte)), folded) << "byte " << b << " and its capital";
  }
  // Latin in both cases; Greek capitals, small letters with the final sigma, capitals and small
  // letters with an accent or a diaeresis (ΐ and ΰ carry both); µ and ƒ.
  EXPECT_EQ(letters, 52 + 24 + 25 + 9 + 11 + 2);
}

TEST(SearchFold, CapitalsAccentsAndTheFinalSigmaMeet) {
  const std::string word = cp1253("σίδηρος");
  for (const char* typed : {"ΣΙΔΗΡΟΣ", "Σίδηρος", "σιδηρος", "σιδηροσ", "ΣΊΔΗΡΟΣ", "σίδηρος"})
    EXPECT_TRUE(cp::sameWordForSearch(cp1253(typed), word)) << typed;
  EXPECT_FALSE(cp::sameWordForSearch(cp1253("σίδηρο"), word));
  EXPECT_FALSE(cp::sameWordForSearch(cp1253("σίδηροι"), word));
  EXPECT_TRUE(cp::sameWordForSearch(cp1253("ΠΡΩΤΕΪΝΗ"), cp1253("πρωτεΐνη")));
  EXPECT_TRUE(cp::sameWordForSearch(cp1253("ΑΫΠΝΙΑ"), cp1253("αϋπνία")));
  EXPECT_TRUE(cp::sameWordForSearch("Oxygen", "oxygen"));
  EXPECT_EQ(cp::foldForSearch(cp1253("Ώρα ΐ ΰ 5%")), cp1253("ωρα ι υ 5%"));
}

TEST(SearchFold, LowerCaseWritesTheSigmaThatEndsAWordFinal) {
  EXPECT_EQ(cp::lowerForSearch(cp1253("ΣΙΔΗΡΟΣ")), cp1253("σιδηρος"));
  EXPECT_EQ(cp::lowerForSearch(cp1253("ΟΞΥΓΟΝΟ")), cp1253("οξυγονο"));
  EXPECT_EQ(cp::lowerForSearch(cp1253("ΝΟΜΟΣ ΣΤΑΘΕΡΩΝ ΑΝΑΛΟΓΙΩΝ")), cp1253("νομος σταθερων αναλογιων"));
  EXPECT_EQ(cp::lowerForSearch(cp1253("ΧΗΜΕΙΑΣ, ΦΥΣΙΚΗΣ.")), cp1253("χημειας, φυσικης."));
  // A sigma alone is no word ending; one before a letter stays medial.
  EXPECT_EQ(cp::lowerForSearch(cp1253("Σ ΑΣΒΕΣΤΟΣ")), cp1253("σ ασβεστος"));
  EXPECT_EQ(cp::lowerForSearch(cp1253("Άλας CO2")), cp1253("άλας co2"));
}
