#pragma once

#include <array>

// The seven topic sections: their strip button, Go-menu command and start page.
namespace vantorel::host::view {

struct Section {
  int number;  // 1..7, as bookmarks and history store it
  int stripButton;
  int commandId;
  int startPage;
};

inline constexpr std::array<Section, 7> kSections{{
    {1, 0, 32776, 170070},
    {2, 1, 32775, 370001},
    {3, 4, 32779, 290000},
    {4, 3, 32777, 400000},
    {5, 5, 32778, 320000},
    {6, 2, 32781, 410000},
    {7, 6, 32780, 450000},
}};

// Null when there is no such section.
[[nodiscard]] constexpr const Section* sectionByNumber(int number) {
  for (const Section& s : kSections)
    if (s.number == number) return &s;
  return nullptr;
}
[[nodiscard]] constexpr const Section* sectionByButton(int button) {
  for (const Section& s : kSections)
    if (s.stripButton == button) return &s;
  return nullptr;
}
[[nodiscard]] constexpr const Section* sectionByCommand(int commandId) {
  for (const Section& s : kSections)
    if (s.commandId == commandId) return &s;
  return nullptr;
}

}  // namespace vantorel::host::view
