#pragma once

#include "forms/bills/BillLineModel.h"

#include <QTableView>
#include <functional>
#include <optional>

class QToolButton;
class BillCellDelegate;

// The line grid of a bill screen, over the bill's BillLineModel:
// - typing into a cell edits it; Enter stores the cell and moves to the next one, from the last
//   cell of a line to the next line's part number; Enter on a line without a part number means
//   the lines are done (linesDone());
// - a "..." button floats at the right edge of the current part-number cell; it, or F4 in that
//   cell, opens the part picker and fills the line with the part chosen;
// - Tab and Shift+Tab leave the grid for the screen's other fields, the cell being typed stored;
// - committing() wraps every action of the screen so that it first stores the cell being typed:
//   a button or its Alt shortcut never works on what the grid held before the last keystrokes.
//
// A bill screen puts it in its ScreenKit list with its own keys:
//
//     grid = new BillGrid(&m_form.lines(), this);
//     grid->pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };
//     keys->route(lastHeaderField, [this] { return ScreenKit::Step::to(grid); });
//     keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
//     keys->button(saveButton, grid->committing([this] { onSave(); }));
//     connect(grid, &BillGrid::linesDone, this, [this] { ScreenKit::focus(saveButton); });
class BillGrid : public QTableView
{
    Q_OBJECT
public:
    explicit BillGrid(BillLineModel *lines, QWidget *parent = nullptr);

    BillLineModel *lines() const { return m_lines; }
    QToolButton *pickButton() const { return m_pickButton; }
    // The line the "..." button belongs to (-1: none yet).
    int pickLine() const { return m_pickLine; }

    // The part picker: by default nothing; a screen sets it to its picker window, a test scripts
    // the answer here.
    std::function<std::optional<PartChoice>()> pickPart;

    // Stores the text of the open cell editor, if any, and closes it.
    void commitEdit();
    // `action`, run after commitEdit().
    std::function<void()> committing(std::function<void()> action);
    // Makes the part-number cell of the first line current.
    void home();

signals:
    // Enter on an empty part number, or past the last line: the screen moves on.
    void linesDone();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QSize sizeHint() const override;

private:
    void pick();
    void advance();
    void placePickButton();
    void sizeColumns();

    BillLineModel *m_lines;
    BillCellDelegate *m_delegate = nullptr;
    QToolButton *m_pickButton = nullptr;
    int m_pickLine = -1;
    int m_partNoColumn = -1;
};
