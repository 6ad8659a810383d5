#pragma once

#include "core/sales/Sale.h"
#include "core/sales/SaleLine.h"
#include "forms/lists/ListForm.h"

#include <memory>

class ListModel;
struct AppContext;

// "销售查询": the sales, newest first, with seven searches; the lines of the current sale under
// them; its remarks memo.
class SalesQueryForm : public ListForm
{
public:
    explicit SalesQueryForm(AppContext &ctx);
    ~SalesQueryForm();

    static ListDeclaration declaration();
    // The columns of the line list.
    static QList<ListColumn> lineColumns();

    QString number(int row) const;
    // Read from the file for the row: the list keeps only its shown columns.
    QString remarks(int row) const;
    // The memo's text written to the sale of the row; nothing is written when it did not change.
    void saveRemarks(int row, const QString &remarks);

    // What the sales bill of a sale prints: its header and lines; nullopt when no sale has the number.
    static std::optional<std::pair<Sale, QList<SaleLine>>> bill(AppContext &ctx, const QString &number);

    // The lines of the sale on a row (none for -1), in the order written.
    ListModel &lines() { return *m_lines; }
    void showLines(int row);

private:
    AppContext &m_ctx;
    std::unique_ptr<ListModel> m_lines;
};
