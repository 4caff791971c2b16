#pragma once

#include <QString>

class QWidget;

// How the controller finds the windows it talks to from inside a page.
namespace vantorel::kestrin {

// The first descendant of the control's grandparent, depth first in creation order, whose client
// area is exactly 340 × 290: the molecule viewer. Null when there is none.
[[nodiscard]] QWidget* findViewer(const QWidget* control);

// Walks up from `control` to the first ancestor whose title (its first 99 characters) begins with
// `prefix` and gives the window one step below it on the walk. Null when no ancestor matches.
[[nodiscard]] QWidget* hostViewBelowTitled(QWidget* control, const QString& prefix);

}  // namespace vantorel::kestrin
