#pragma once

#include "core/repair/RepairJob.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct AppContext;

// The common part of the registration and the rework screen, over their form (RegForm or
// RepairBackForm): the inputs both have, the grid they are laid out in over the row of buttons,
// the fields both declare alike, and the handlers of the customer picker and of the register and
// receipt buttons. Each screen adds its own inputs, lays all of them out its own way, and
// declares its fields in its own walk order, with the helpers below where they are the same.
template <class Form>
class RepairIntakeScreen : public QDialog
{
public:
    using Field = typename Form::Field;

    Form &form() { return m_form; }
    // The input of a field (for focus).
    QWidget *widget(Field field) const { return m_fields.widget(field); }

    QLineEdit *numberEdit = nullptr, *handledByEdit = nullptr, *customerEdit = nullptr, *contactEdit = nullptr,
              *phoneEdit = nullptr, *itemNameEdit = nullptr, *serialEdit = nullptr, *accessoriesEdit = nullptr,
              *prepaymentEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QComboBox *classBox = nullptr;
    QPlainTextEdit *remarksEdit = nullptr;
    QCheckBox *onSiteBox = nullptr;
    QPushButton *pickButton = nullptr, *registerButton = nullptr, *receiptButton = nullptr, *exitButton = nullptr;

    // How the receipt is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showReceipt;

    // "登记[&R]", or starting anew once registered.
    void onRegister();
    void onReceipt();
    // The customer directory ("..."): the customer chosen fills the customer fields.
    void onPick();

protected:
    // first: where the keyboard starts once the form was shown; afterPick: where a customer
    // chosen in the directory leads.
    RepairIntakeScreen(AppContext &ctx, QWidget *parent, Field first, Field afterPick);

    // A caption and its input in the screen's grid, the input `span` columns wide.
    void place(int row, int column, const QString &caption, QWidget *input, int span = 1);

    // Declarations both screens make alike, each in its place of the walk: the number, operator
    // and date; the customer (Enter looks it up) with "..."; a field whose Enter runs the form's
    // check of it; the buttons, after which the keyboard starts at `first`.
    void declareHead();
    void declareCustomer();
    FieldMap::Entry &checked(QWidget *input, QString *value, Field field);
    void declareButtons();

    // The form on the screen, the register button's caption included.
    void showForm();
    // The screen's pick lists from the form, once it was shown.
    virtual void showLists() {}
    void showEvent(QShowEvent *event) override;

    AppContext &m_ctx;
    Form m_form;
    ScreenKit *m_keys;
    FieldMap m_fields;
    QGridLayout *m_grid; // the inputs, over the buttons

private:
    // After the form was shown or started anew: the screen refilled; on success the lists and
    // the first input.
    void started(bool ok);

    Field m_first;
    Field m_afterPick;
    bool m_shown = false;
};
