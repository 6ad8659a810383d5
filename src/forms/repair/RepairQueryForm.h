#pragma once

#include "forms/lists/ListForm.h"

#include <QDate>

struct AppContext;

// The repair query's logic: the job list declared below on the list mechanism (seven modes,
// twelve searches, twelve sort items, the technician view), the remarks memo of the current
// job and what the detail window needs of it.
class RepairQueryForm : public ListForm
{
public:
    // access: how the screen was opened; OwnOnly (technician view) lists only the operator's jobs.
    RepairQueryForm(AppContext &ctx, RightsTable::Access access);

    static ListDeclaration declaration();

    QString number(int row) const;
    QString customer(int row) const;
    // Read from the file for the current row: the list keeps only its shown columns.
    QString remarks(int row) const;
    QString stockOutBill(int row) const;
    // The memo's text written to the job of the row (when the current row changes); nothing
    // is written when it did not change.
    void saveRemarks(int row, const QString &remarks);

private:
    AppContext &m_ctx;
};
