#pragma once

#include "forms/repair/RepairIntake.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QDate;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
struct AppContext;

// The inputs the registration and the rework screen both have, and how they carry the values
// both forms share. Each screen creates them in its own order (which is its tab order) and lays
// them out its own way; its other inputs it carries itself.
class RepairIntakeInputs
{
public:
    QLineEdit *numberEdit = nullptr, *handledByEdit = nullptr, *customerEdit = nullptr, *contactEdit = nullptr,
              *phoneEdit = nullptr, *itemNameEdit = nullptr, *serialEdit = nullptr, *accessoriesEdit = nullptr,
              *prepaymentEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QComboBox *classBox = nullptr;
    QPlainTextEdit *remarksEdit = nullptr;
    QCheckBox *onSiteBox = nullptr;
    QPushButton *pickButton = nullptr, *registerButton = nullptr, *receiptButton = nullptr, *exitButton = nullptr;

protected:
    // "接修日期" with its calendar, and the "..." button that opens the customer directory.
    static QDateEdit *newDateEdit(QWidget *parent);
    static QPushButton *newPickButton(QWidget *parent);

    // The screen's text into the values, and back; an invalid date shows as `today`.
    void collect(RepairIntake::Values &v) const;
    void fill(const RepairIntake::Values &v, const QDate &today);

    // The customer chosen in the directory; nullopt when the picker was cancelled or the row
    // has no name.
    static std::optional<CustomerRecord> pickCustomer(AppContext &ctx, QWidget *parent);
};
