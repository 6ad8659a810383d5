#pragma once

#include "forms/stock/StockInForm.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

// "配件入库": the stock-in bill of eleven lines. Maps its widgets to StockInForm and back.
class TForm_stockIN : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_stockIN(AppContext &ctx, QWidget *parent = nullptr);

    StockInForm &form() { return m_form; }

    QLineEdit *billNumberEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QComboBox *supplierBox = nullptr;
    QComboBox *reasonBox = nullptr;
    QTableWidget *grid = nullptr;
    QToolButton *pickButton = nullptr; // "...", floats at the right edge of a part-number cell
    QCheckBox *continueBox = nullptr;
    QPushButton *stockInButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *exitButton = nullptr;

    // The part picker the "..." button opens; tests replace it.
    std::function<std::optional<PartChoice>()> pickPart;

    // The line the "..." button belongs to (-1: none yet).
    int pickLine() const { return m_pickLine; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onItemChanged(int row, int column);
    void onCurrentCellChanged(int row, int column);
    void onPick();
    void onStockIn();
    void onClear();
    void placePickButton();
    void showLine(int line, const QList<int> &columns);
    void showGrid();
    void readHeader();

    StockInForm m_form;
    int m_pickLine = -1;
    bool m_opened = false;
    bool m_filling = false;
};
