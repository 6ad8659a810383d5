#pragma once

#include "forms/catalogs/PartsPriceListForm.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;

// "配件定价": the price list of the parts catalog. Changed prices are stored when it closes.
class TForm_price : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_price(AppContext &ctx, QWidget *parent = nullptr);

    PartsPriceListForm &form() { return m_form; }

    QTableView *grid = nullptr;
    QLineEdit *saleEdit = nullptr;
    QLineEdit *repairEdit = nullptr;
    QLabel *latestPrice = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *exitButton = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onRowChanged(int row);
    void onChange();
    void setEditing(bool editing);

    PartsPriceListForm m_form;
    ScreenKit *m_keys = nullptr;
    bool m_opened = false;
    bool m_closed = false;
};
