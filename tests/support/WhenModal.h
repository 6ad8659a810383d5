#pragma once

#include <functional>

class QWidget;

// Runs act on the next modal window once it is open and active: a dialog's exec() blocks the test. When a
// check inside act fails, the window is closed so that the test ends.
void whenModal(std::function<void(QWidget *)> act);
