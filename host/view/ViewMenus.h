#pragma once

class QMainWindow;

namespace vantorel::host {

class CQuillet2View;

// The Greek menu bar of the main frame and its keyboard accelerators. Every item runs its command
// through the view; a menu shows each item enabled and checked as the view says when it opens,
// and an accelerator of a command that is disabled at that moment does nothing.
void installMenus(QMainWindow& frame, CQuillet2View& view);

}  // namespace vantorel::host
