#pragma once

#include <string>
#include <string_view>

#include "tools/vantorel-data/core/ElementText.h"

// The small grammar the page templates need: articles, agreement of an adjective with a name,
// capitals at the start of a sentence. All text is UTF-8.
namespace vantorel::data {

enum class Case { Nominative, Genitive, Accusative };

// "ο", "η", "το"; "του", "της", "του"; "τον", "την", "το".
[[nodiscard]] std::string_view article(Gender gender, Case grammaticalCase);
// The name with its article: "ο σίδηρος", "του σιδήρου", "τον σίδηρο".
[[nodiscard]] std::string withArticle(const GreekName& name, Case grammaticalCase);
// The name in the case without an article: "σιδήρου" after a quantity.
[[nodiscard]] const std::string& form(const GreekName& name, Case grammaticalCase);
// "σε" joined with the accusative article: "στον σίδηρο", "στο οξυγόνο".
[[nodiscard]] std::string inAccusative(const GreekName& name);
// The weak pronoun that stands for the name as an object: "τον", "τη", "το".
[[nodiscard]] std::string_view objectPronoun(Gender gender);

// An adjective given by its masculine nominative in -ός or -ος ("στερεός", "γνωστός", "αέριος"),
// agreeing with a name of `gender` in the nominative: "στερεή", "γνωστό", "αέρια". Made for the
// adjectives of the templates; others may need their own forms.
[[nodiscard]] std::string agree(std::string_view masculine, Gender gender);

// The first letter in upper case (accent kept, as at the start of a sentence).
[[nodiscard]] std::string capitalised(std::string_view text);
// The first letter in lower case when the text is an ordinary word ("Διαλύτης, ζωή"), not an
// abbreviation ("PVC") or a name written in capitals.
[[nodiscard]] std::string uncapitalised(std::string_view text);
// The whole text in lower case.
[[nodiscard]] std::string lowerCased(std::string_view text);

}  // namespace vantorel::data
