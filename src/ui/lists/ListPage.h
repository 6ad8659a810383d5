#pragma once

#include <QWidget>

class ListForm;
class ListScreen;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;
struct AppContext;

// A screen whose top part is a ListScreen: it owns the screen's ScreenKit, makes the list on its
// form and names the list's inputs, so that a screen adds only its own bottom part.
class ListPage : public QWidget
{
    Q_OBJECT
public:
    ListScreen *list = nullptr;
    QLineEdit *searchBox = nullptr;
    QComboBox *searchModeBox = nullptr;
    QPushButton *findButton = nullptr;
    QComboBox *sortBox = nullptr;
    QTableView *grid = nullptr;

    // The list's current row (see ListScreen::currentRow).
    int currentRow() const;

protected:
    ListPage(AppContext &ctx, QWidget *parent);

    // Called once, from the screen's constructor when its form exists; the focus starts in the
    // list. besideFind as for ListScreen.
    ListScreen *makeList(ListForm &form, const QList<QWidget *> &besideFind = {});

    ScreenKit *m_keys;
};
