#pragma once

#include <QApplication>

// The one application object of the test program, alive from before the first test to after
// the last one.
[[nodiscard]] QApplication& testApp();
