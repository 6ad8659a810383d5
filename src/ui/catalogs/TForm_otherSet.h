#pragma once

#include "forms/catalogs/OtherSetForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class ScreenKit;

// "其他约定": pickup validity and the three warranty clauses.
class TForm_otherSet : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_otherSet(AppContext &ctx, QWidget *parent = nullptr);

    QLineEdit *validityEdit = nullptr;
    QLineEdit *clause1Edit = nullptr;
    QLineEdit *clause2Edit = nullptr;
    QLineEdit *clause3Edit = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    OtherSetForm m_form;
    ScreenKit *m_keys = nullptr;
    bool m_loaded = false;
};
