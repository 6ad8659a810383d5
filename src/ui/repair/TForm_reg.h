#pragma once

#include "forms/repair/RegForm.h"
#include "ui/repair/RepairIntakeInputs.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimeEdit;
class ScreenKit;
struct AppContext;

// "维修登记": registers a repair job at the counter and prints its pickup receipt.
class TForm_reg : public QDialog, public RepairIntakeInputs
{
    Q_OBJECT
public:
    explicit TForm_reg(AppContext &ctx, QWidget *parent = nullptr);

    RegForm &form() { return m_form; }

    // Besides the inputs the rework screen has too.
    QLineEdit *addressEdit, *routeEdit, *appointmentEdit;
    QTimeEdit *timeEdit;
    QComboBox *categoryBox, *brandBox, *faultBox, *technicianBox, *kindBox;
    QCheckBox *warrantyBox;

    // How the receipt is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showReceipt;

    // The widget of a field (for focus).
    QWidget *widget(RegForm::Field field) const;

    void onRegister();
    void onReceipt();
    void onPick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void collect();
    void fill();
    void fillLists();
    // After the form was shown or started anew: the screen refilled; on success the lists and
    // the first input.
    void started(bool ok);
    void focus(RegForm::Field field);

    AppContext &m_ctx;
    RegForm m_form;
    QHash<QObject *, RegForm::Field> m_fields;
    ScreenKit *m_keys = nullptr;
    bool m_shown = false;
};
