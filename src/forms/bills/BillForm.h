#pragma once

#include "forms/bills/BillLineModel.h"

enum class BillKind;
struct AppContext;

// The common part of a bill's logic (stock-in, stock-out, sale): the lines on their
// BillLineModel and the numbering of the next bill. A bill form holds its own header fields and
// runs its own save.
class BillForm
{
public:
    AppContext &ctx() const { return m_ctx; }

    // The lines, as the grid shows and edits them.
    BillLineModel &lines() { return m_lines; }
    const BillLineModel &lines() const { return m_lines; }

    // "清空": every cell of every line, except the columns declared kept.
    void clear() { m_lines.clear(); }

protected:
    BillForm(AppContext &ctx, BillDeclaration declaration);
    ~BillForm() = default;

    // The number the next bill of its kind gets today.
    QString nextNumber(BillKind kind) const;

    AppContext &m_ctx;
    BillLineModel m_lines;
};
