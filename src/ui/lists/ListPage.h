#pragma once

#include <QWidget>
#include <functional>

class ListForm;
class ListScreen;
class QAbstractItemModel;
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

    // A read-only list as every list of the program shows one: the lines under a list (see
    // addDetailList), a list a form holds (a repair's part lines, the operators, a picker's rows),
    // the grid of a ListScreen. Rows are chosen whole and never edited, Tab leaves it, rows keep one
    // height, even rows are shaded, and the columns the model's header calls money
    // (ListColumn::FormatRole) are right-aligned as GridLook shows money. name: what it lists, its
    // accessible name (empty: none).
    static QTableView *readOnlyList(QAbstractItemModel *model, const QString &name, QWidget *parent);

protected:
    ListPage(AppContext &ctx, QWidget *parent);

    // Called once, from the screen's constructor when its form exists; the focus starts in the
    // list. besideFind as for ListScreen.
    ListScreen *makeList(ListForm &form, const QList<QWidget *> &besideFind = {});
    // The lines of the list's current row, under it: a read-only list of `lines`, which show(row)
    // fills whenever the list's current row changes (-1: the list is empty). It takes the next
    // place in the screen's keys.
    QTableView *addDetailList(QAbstractItemModel *lines, const QString &name, std::function<void(int row)> show,
                              QWidget *parent);

    ScreenKit *m_keys;
};
