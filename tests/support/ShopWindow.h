#pragma once

#include "TestDatabase.h"
#include "core/app/Right.h"

#include <functional>
#include <memory>

class TForm_main;
class QWidget;

// The main window after the login, on screen and active, over a fixture: where the key-level
// tests open screens from their tree nodes, panel buttons and menu items.
struct ShopWindow
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;

    explicit ShopWindow(const std::function<void(TestDatabase &)> &arrange, quint32 rights = Rights::SuperUser);
    ~ShopWindow();
};

// What a window manager does once a modal window over w has closed: w is active again.
void activeAgain(QWidget *w);
// The whole window fits a 1366 × 768 screen with its task bar.
void fitsTheScreen(QWidget *w);
