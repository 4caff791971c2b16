#include "host/components/ElementIndex.h"

#include <cstdio>

#include "host/HostStrings.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/RegularFile.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {

std::vector<components::ElementIndexEntry> readElementIndex(const QString& dataFolder, QWidget* parent) {
  // Far more than any element table needs; a larger file is not read whole into memory.
  constexpr size_t kLargest = 16 * 1024 * 1024;
  const std::string wanted = (dataFolder + u"ptable.ndx"_qs).toStdString();
  files::FilePtr file = files::openRegularFile(files::findIgnoringCase(wanted).value_or(wanted));
  if (!file) {
    ui::messageBox(u"Can't open ptable.ndx"_qs, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent);
    return {};
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[8192];
  while (bytes.size() < kLargest) {
    const size_t got = std::fread(chunk, 1, std::min(sizeof chunk, kLargest - bytes.size()), file.get());
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return components::parseElementIndex(bytes);
}

}  // namespace vantorel::host
