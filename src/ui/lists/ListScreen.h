#pragma once

#include <QWidget>

class ListForm;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

// The common part of every list screen declared on the list mechanism: the search text, the
// search mode box ("显示全部" first), "查询[&F]", the sort box and the read-only grid, wired to a
// ListForm. A screen puts it at its top and adds its own bottom part.
//
// Keys: the focus starts in the search text; Enter there searches. Choosing a mode in the mode box
// (arrow keys) lists everything again for "显示全部" and otherwise empties the text; the focus
// returns to the text either way. Choosing a sort item re-lists the rows in its order.
class ListScreen : public QWidget
{
    Q_OBJECT
public:
    ListScreen(ListForm &form, QWidget *parent = nullptr);

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

signals:
    // The current row changed, or the list was re-listed (row -1 when empty).
    void currentRowChanged(int row);
    // About to re-list: the current row's edits are to be written now.
    void aboutToList();

private:
    ListForm &m_form;
};
