#pragma once

#include <QDialog>

class BillForm;
class BillGrid;
class QDateEdit;
class QGridLayout;
class QToolButton;
class ScreenKit;
struct AppContext;

// The common part of the bill screens (stock-in, stock-out, sale): a dialog with the bill's
// header fields in caption/input pairs over a BillGrid of the form's lines with the part picker.
// The form is opened the first time the screen is shown; the grid then starts on line 1.
class BillScreen : public QDialog
{
    Q_OBJECT
public:
    BillGrid *grid = nullptr;          // its pickPart is the part picker; tests script it there
    QToolButton *pickButton = nullptr; // the grid's "...", floating in the current part-number cell

    // A caption and its input in the header's grid, at pair (row, col); `shown` is what stands in
    // the input's place when it sits in a widget of its own.
    static void place(QGridLayout *header, int row, int col, const QString &caption, QWidget *input,
                      QWidget *shown = nullptr);
    // A bill's date box, with its calendar and the long date.
    static QDateEdit *makeDateEdit(QWidget *parent);

protected:
    BillScreen(AppContext &ctx, QWidget *parent);

    // The grid over the form's lines, its picker the parts catalog; called once, from the
    // screen's constructor.
    BillGrid *makeGrid(BillForm &form);
    // The screen's size: the whole bill on a 1366 × 768 screen, every column and line in view
    // (at least `width` wide); the grid on line 1.
    void fitWidth(int width);

    // The first show: the form opened and shown.
    virtual void opened() = 0;
    void showEvent(QShowEvent *event) override;

    ScreenKit *m_keys;

private:
    bool m_opened = false;
};
