#pragma once

#include "forms/repair/RepairBackForm.h"
#include "ui/repair/RepairIntakeInputs.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct AppContext;

// "返修登记": finds the earlier job of an item that came back and registers the rework job.
class TForm_repairback : public QDialog, public RepairIntakeInputs
{
    Q_OBJECT
public:
    explicit TForm_repairback(AppContext &ctx, QWidget *parent = nullptr);

    RepairBackForm &form() { return m_form; }

    // Besides the inputs the registration screen has too.
    QLineEdit *refundEdit;
    QPlainTextEdit *faultEdit;
    QPushButton *verifyButton;

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
    // After the form was shown or started anew: the screen refilled; on success the first input.
    void started(bool ok);
    void focus(RepairBackForm::Field field);
    void found(const std::optional<RepairJob> &job, bool byName);

    AppContext &m_ctx;
    RepairBackForm m_form;
    QHash<QObject *, RepairBackForm::Field> m_fields;
    bool m_shown = false;
};
