#pragma once

#include <optional>
#include <string_view>

// Numbers in the tables are written the Greek way (decimal comma, point between thousands) and
// may carry units, ranges or remarks. Filters, graphs and numeric sorting all read them by the
// same rule: keep the digits and "-", turn "," into ".", drop everything else, and read the
// leading number of what is left. Nothing kept, no leading number, or a value too large for a
// double: the value is missing. Independent of the process locale.
namespace vantorel::dravix {

[[nodiscard]] std::optional<double> numberFromText(std::string_view text);

}  // namespace vantorel::dravix
