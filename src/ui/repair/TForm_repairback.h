#pragma once

#include "forms/repair/RepairBackForm.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct AppContext;

// "返修登记": finds the earlier job of an item that came back and registers the rework job.
class TForm_repairback : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_repairback(AppContext &ctx, QWidget *parent = nullptr);

    RepairBackForm &form() { return m_form; }

    QLineEdit *numberEdit, *handledByEdit, *serialEdit, *customerEdit, *contactEdit, *phoneEdit, *itemNameEdit,
        *accessoriesEdit, *prepaymentEdit, *refundEdit;
    QDateEdit *dateEdit;
    QComboBox *classBox;
    QPlainTextEdit *faultEdit, *remarksEdit;
    QCheckBox *onSiteBox;
    QPushButton *verifyButton, *pickButton, *registerButton, *receiptButton, *exitButton;

    // How the earlier job is shown (the detail window unless replaced) and how the receipt is.
    std::function<void(const RepairJob &)> showEarlier;
    std::function<void(const RepairJob &)> showReceipt;

    void onVerify();
    void onRegister();
    void onReceipt();
    void onPick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void collect();
    void fill();
    void focus(RepairBackForm::Field field);
    void found(const std::optional<RepairJob> &job, bool byName);

    AppContext &m_ctx;
    RepairBackForm m_form;
    QHash<QObject *, RepairBackForm::Field> m_fields;
    bool m_shown = false;
};
