#pragma once

#include <QPainter>
#include <string>
#include <string_view>
#include <vector>

// The named drawings of the pages (the route sources name them with "pic:", the minerals by
// their crystal system). Each paints itself in a 240 x 180 space; labels are Greek, in sentence
// case with their accents, and left out where the drawing is too small to read them.
namespace vantorel::data {

[[nodiscard]] std::vector<std::string> illustrationNames();
// False when there is no drawing of that name.
bool paintIllustration(QPainter& painter, std::string_view name, bool labels = true);

}  // namespace vantorel::data
