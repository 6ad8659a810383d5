#pragma once

#include <functional>

class QWidget;

// Runs act on the next modal window once it is open: a dialog's exec() blocks the test.
void whenModal(std::function<void(QWidget *)> act);
