#pragma once

#include "tools/vantorel-data/core/CompileContext.h"

// The pages of every element: its node page, its data card and its ten section pages, written
// from the reference tables and the element's own file with the grammatical forms of its name.
namespace vantorel::data {

void elementPages(Context& ctx);

// "Κύρια δεδομένα" ... "Λογοτεχνία/φιλολογία" for sections 0-9.
[[nodiscard]] const char* elementSectionName(int section);

}  // namespace vantorel::data
