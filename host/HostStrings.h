#pragma once

#include <QString>

#include "platform/ui/StringTable.h"

namespace vantorel::host {

// The caption of the program's own message boxes.
inline const QString kMessageCaption = QStringLiteral("Vantorel");

// Entry `id` of the program's string table.
[[nodiscard]] inline QString hostString(int id) {
  return ui::resourceString(QStringLiteral("pelorin"), id);
}

}  // namespace vantorel::host
