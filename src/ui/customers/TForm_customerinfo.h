#pragma once

#include "forms/customers/CustomerCardForm.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ReportLayout;

// "客户资料": one customer's card. Every field can be changed; "更新" writes the changes once the
// name has passed the directory's checks, "关闭[&C]" leaves without writing. "打印资料" and
// "打印信签" print the customer as stored, "邮件联系" mails the address shown.
//
// Keys: the focus starts on "关闭[&C]"; Enter in any field leads back to it (the remarks keep
// Enter for their new lines); Tab goes through the fields and the buttons; Esc closes.
class TForm_customerinfo : public QDialog
{
    Q_OBJECT
public:
    TForm_customerinfo(AppContext &ctx, const QString &customerName, QWidget *parent = nullptr);

    CustomerCardForm &form() { return m_form; }

    QLineEdit *nameEdit;
    QComboBox *classBox;
    QLineEdit *registeredEdit;
    QLineEdit *companyEdit;
    QLineEdit *contactEdit;
    QLineEdit *managerEdit;
    QLineEdit *phoneEdit;
    QLineEdit *faxEdit;
    QLineEdit *addressEdit;
    QLineEdit *postCodeEdit;
    QLineEdit *emailEdit;
    QLineEdit *accountEdit;
    QLineEdit *taxNumberEdit;
    QLineEdit *routeEdit;
    QPlainTextEdit *remarksEdit;
    QPushButton *updateButton;
    QPushButton *printDataButton;
    QPushButton *printLabelButton;
    QPushButton *mailButton;
    QPushButton *closeButton;

    void onUpdate();
    void printData();
    void printLabel();
    void mail();

    ReportLayout dataDocument() const;
    ReportLayout labelDocument() const;

private:
    AppContext &m_ctx;
    CustomerCardForm m_form;
    ScreenKit *m_keys;
    FieldMap m_fields;
};
