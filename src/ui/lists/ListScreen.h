#pragma once

#include <QWidget>

class ListForm;
class ScreenKit;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

// The common part of every list screen declared on the list mechanism: the search text, the
// search mode box ("显示全部" first), "查询[&F]", the sort box (when the list has sort items) and
// the read-only grid, wired to a ListForm; rows the declaration calls warnings are drawn red with
// yellow text. A screen puts it at its top, then adds its own bottom part to the same ScreenKit.
//
// A list declared without searches shows no search text, mode box and "查询[&F]", and one without
// sort items no sort box; the focus then starts in the grid.
//
// Keys, in this order on the kit: the search text (the focus starts there; Enter searches and
// the focus stays), the search mode box, "查询[&F]", the sort box (each item chosen, with the arrow
// keys too, re-lists the rows in its order) and the grid (Tab leaves it; Enter, like a double
// click, chooses the current row). A mode chosen in the mode box lists everything again for
// "显示全部", lists at once for an entry that needs no text, and otherwise empties the text;
// chosen from its list, the focus returns to the text; stepped through with the arrow keys, the
// focus stays until Enter takes it to the text. Every action runs behind the kit's error boundary.
class ListScreen : public QWidget
{
    Q_OBJECT
public:
    // besideFind: a screen's own inputs after "查询[&F]" (a tick box), set aside in the Enter walk.
    ListScreen(ListForm &form, ScreenKit &keys, QWidget *parent, const QList<QWidget *> &besideFind = {});

    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QComboBox *sortBox;
    QTableView *grid;

    // The grid's current row, the first when none is current; -1 for an empty list.
    int currentRow() const;

    void onFind();
    void onSearchMode();
    void onSort();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The current row changed, or the list was re-listed (row -1 when empty).
    void currentRowChanged(int row);
    // About to re-list: the current row's edits are to be written now.
    void aboutToList();
    // Enter in the grid or a double click on a row.
    void rowChosen(int row);

private:
    void applySearchMode();

    ListForm &m_form;
    ScreenKit &m_keys;
};
