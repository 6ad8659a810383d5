#pragma once

#include "forms/app/RightForm.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

// "权限分配": the rights of the operators who are not super users.
class TForm_right : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_right(AppContext &ctx, QWidget *parent = nullptr);

    QListWidget *list = nullptr;
    QList<QCheckBox *> boxes; // in screen order, as RightForm::checkBoxes()
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    void showRow(int row);
    RightForm m_form;
    QList<int> m_bits;
};
