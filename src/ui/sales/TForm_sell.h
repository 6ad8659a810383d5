#pragma once

#include "forms/sales/SaleForm.h"
#include "ui/bills/BillScreen.h"
#include "ui/kit/FieldMap.h"

#include <functional>
#include <optional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "商品出售": the sale of up to nineteen lines to one customer. Its header is a FieldMap over
// SaleForm; the lines are the form's model, shown and edited by a BillGrid with the part picker.
class TForm_sell : public BillScreen
{
    Q_OBJECT
public:
    explicit TForm_sell(AppContext &ctx, QWidget *parent = nullptr);

    SaleForm &form() { return m_form; }

    // The customer picker: by default the directory window; a test scripts the answer here.
    std::function<std::optional<CustomerRecord>()> pickCustomer;

    QLineEdit *numberEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QLineEdit *customerEdit = nullptr;
    QPushButton *customerButton = nullptr; // "...": the customer directory
    QComboBox *classBox = nullptr;
    QLineEdit *phoneEdit = nullptr;
    QLineEdit *dueEdit = nullptr;
    QLineEdit *receivedEdit = nullptr;
    QLineEdit *invoiceEdit = nullptr;
    QPushButton *sellButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *exitButton = nullptr;

private:
    void opened() override;
    void fillClasses();
    void showTotals();
    void onPickCustomer();
    void onSell();

    SaleForm m_form;
    FieldMap m_fields{m_keys};
};
