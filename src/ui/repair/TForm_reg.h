#pragma once

#include "forms/repair/RegForm.h"
#include "ui/repair/RepairIntakeScreen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimeEdit;

// "维修登记": registers a repair job at the counter and prints its pickup receipt.
class TForm_reg : public RepairIntakeScreen<RegForm>
{
    Q_OBJECT
public:
    explicit TForm_reg(AppContext &ctx, QWidget *parent = nullptr);

    // Besides the inputs the rework screen has too.
    QLineEdit *addressEdit, *routeEdit, *appointmentEdit;
    QTimeEdit *timeEdit;
    QComboBox *categoryBox, *brandBox, *faultBox, *technicianBox, *kindBox;
    QCheckBox *warrantyBox;

private:
    void showLists() override;
};
