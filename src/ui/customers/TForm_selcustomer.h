#pragma once

#include "forms/customers/CustomerPickerForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;

// "请选择客户": the customer picker. Callers use pick(), which shows it modally and hands back
// the chosen customer, or nullopt when the window was closed without a choice.
class TForm_selcustomer : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_selcustomer(AppContext &ctx, QWidget *parent = nullptr);

    static std::optional<CustomerRecord> pick(AppContext &ctx, QWidget *parent = nullptr);

    // The choice after the window closed (nullopt: none).
    const std::optional<CustomerRecord> &chosen() const { return m_chosen; }

    QComboBox *classBox = nullptr;
    QLineEdit *searchBox = nullptr;
    QPushButton *findButton = nullptr;
    QTableView *grid = nullptr;

    // Double-click or Enter on the grid: takes the current row (none on an empty list) and closes.
    void choose();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onFind();

    CustomerPickerForm m_form;
    ScreenKit *m_keys = nullptr;
    std::optional<CustomerRecord> m_chosen;
    bool m_loaded = false;
    bool m_filling = false;
};
