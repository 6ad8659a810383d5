#pragma once

#include <QMainWindow>

struct AppContext;

// The main window. (Navigation, panel and menus come with the operators and rights.)
class TForm_main : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm_main(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
