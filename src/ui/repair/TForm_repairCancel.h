#pragma once

#include "forms/repair/RepairCancelForm.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;

// "取消维修": asks the reason and the return date of a cancellation.
class TForm_repairCancel : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_repairCancel(const QDate &today, QWidget *parent = nullptr);

    QLineEdit *reasonEdit;
    QDateEdit *dateEdit;
    QPushButton *okButton, *cancelButton;

    // After the dialog closed: the reason (empty: not cancelled) and the date "yyyy-MM-dd".
    QString reason() const { return m_form.reason; }
    QString dateText() const { return m_form.dateText; }

    void done(int result) override;

private:
    RepairCancelForm m_form;
};
