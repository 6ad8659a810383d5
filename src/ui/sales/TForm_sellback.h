#pragma once

#include "forms/sales/SellBackForm.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "商品退换": one unit at a time, checked against the sales by its SN, taken back ("退货>>") or
// exchanged ("换货>>", the replacement chosen in "换货信息"). Its fields are a FieldMap over
// SellBackForm.
class TForm_sellback : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_sellback(AppContext &ctx, QWidget *parent = nullptr);

    SellBackForm &form() { return m_form; }

    // The part picker and the exchange dialog: by default their windows; a test scripts them here.
    std::function<std::optional<PartChoice>()> pickPart;
    std::function<std::optional<ReplacementChoice>()> chooseReplacement;

    QLineEdit *numberEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QLineEdit *serialEdit = nullptr;
    QPushButton *checkButton = nullptr; // "校验>>"
    QLineEdit *partNoEdit = nullptr;
    QPushButton *partButton = nullptr;  // "...": the part picker
    QLineEdit *partNameEdit = nullptr;
    QLineEdit *categoryEdit = nullptr;
    QLineEdit *modelEdit = nullptr;
    QLineEdit *warrantyEdit = nullptr;
    QLineEdit *priceEdit = nullptr;
    QLineEdit *soldOnEdit = nullptr;
    QLineEdit *customerEdit = nullptr;
    QPlainTextEdit *remarksEdit = nullptr;
    QCheckBox *intoStockBox = nullptr;
    QPushButton *returnButton = nullptr;   // "退货>>"
    QPushButton *exchangeButton = nullptr; // "换货>>"
    QPushButton *exitButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onPickPart();

    SellBackForm m_form;
    ScreenKit *m_keys;
    FieldMap m_fields;
    bool m_opened = false;
};
