#pragma once

#include "forms/maintenance/InitForm.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "系统初始化": the shop's details and accounting date, the groups of tables to empty, and
// "初始化" (asks first, copies the file into the backup folder, then writes and empties).
//
// Keys: the focus starts on "退出[&E]"; Enter in a company field goes on through name, address,
// post code, telephone and fax to "初始化"; the date and the tick boxes are reached with Tab.
class TForm_init : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_init(AppContext &ctx, QWidget *parent = nullptr);

    InitForm &form() { return m_form; }

    QLineEdit *nameEdit = nullptr;
    QLineEdit *addressEdit = nullptr;
    QLineEdit *postCodeEdit = nullptr;
    QLineEdit *phoneEdit = nullptr;
    QLineEdit *faxEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QList<QCheckBox *> boxes; // in the order of InitForm::boxCaptions()
    QPushButton *initButton = nullptr;
    QPushButton *exitButton = nullptr;

private:
    void onInitialise();

    InitForm m_form;
    ScreenKit *m_keys;
    FieldMap m_fields;
};
