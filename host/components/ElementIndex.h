#pragma once

#include <QString>
#include <vector>

#include "host/components/core/ElementIndex.h"

class QWidget;

namespace vantorel::host {

// Reads dataFolder + "ptable.ndx" (a regular file; its name in any letter case). A file that
// cannot be opened shows "Can't open ptable.ndx" and gives an empty table. Only the first 16 MiB
// of an oversized file are read.
[[nodiscard]] std::vector<components::ElementIndexEntry> readElementIndex(const QString& dataFolder,
                                                                          QWidget* parent = nullptr);

}  // namespace vantorel::host
