#pragma once

#include "forms/repair/RepairBackForm.h"
#include "ui/repair/RepairIntakeInputs.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ScreenKit;
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

private:
    void collect();
    void fill();
    // After the form was shown or started anew: the screen refilled; on success the first input.
    void started(bool ok);
    void focus(RepairBackForm::Field field);
    QWidget *widget(RepairBackForm::Field field) const;
    // Verifies the serial number; the widget to focus next.
    QWidget *verify();
    // Shows the earlier job and takes it over; the widget to focus next.
    QWidget *found(const RepairJob &job, bool byName);

    AppContext &m_ctx;
    RepairBackForm m_form;
    QHash<QObject *, RepairBackForm::Field> m_fields;
    ScreenKit *m_keys = nullptr;
    bool m_shown = false;
};
