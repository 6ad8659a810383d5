#pragma once

#include "forms/app/NoPlanForm.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class ScreenKit;

// "编号设置": the repair numbering plan.
class TForm_NOPlan : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_NOPlan(AppContext &ctx, QWidget *parent = nullptr);

    QRadioButton *defaultMode = nullptr;
    QRadioButton *customMode = nullptr;
    QLineEdit *prefixEdit = nullptr;
    QLineEdit *digitsEdit = nullptr;
    QLineEdit *startEdit = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    NoPlanForm m_form;
    ScreenKit *m_keys = nullptr;
    bool m_loaded = false;
};
