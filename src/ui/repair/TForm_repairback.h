#pragma once

#include "forms/repair/RepairBackForm.h"
#include "ui/repair/RepairIntakeScreen.h"

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "返修登记": finds the earlier job of an item that came back and registers the rework job.
class TForm_repairback : public RepairIntakeScreen<RepairBackForm>
{
    Q_OBJECT
public:
    explicit TForm_repairback(AppContext &ctx, QWidget *parent = nullptr);

    // Besides the inputs the registration screen has too.
    QLineEdit *refundEdit;
    QPlainTextEdit *faultEdit;
    QPushButton *verifyButton;

    // How the earlier job is shown; the detail window unless replaced.
    std::function<void(const RepairJob &)> showEarlier;

    // "校验>>".
    void onVerify();

private:
    void showLists() override;
    // Verifies the serial number; the widget to focus next.
    QWidget *verify();
    // Shows the earlier job and takes it over; the widget to focus next.
    QWidget *found(const RepairJob &job, bool byName);
};
