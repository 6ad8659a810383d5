#pragma once

#include "forms/lists/ListForm.h"

struct AppContext;

// "退换查询": the returns and exchanges in the order recorded, with seven searches and the
// remarks memo.
class ReturnQueryForm : public ListForm
{
public:
    explicit ReturnQueryForm(AppContext &ctx);

    static ListDeclaration declaration();

    QString number(int row) const;
    // Read from the file for the row.
    QString remarks(int row) const;
    // The memo's text written to the row's record; nothing is written when it did not change.
    void saveRemarks(int row, const QString &remarks);

private:
    AppContext &m_ctx;
};
