#include "print/print/ReportPage.h"

QStringList ReportPage::texts() const
{
    QStringList out;
    for (const ReportOp &op : ops)
        if (op.kind == ReportOp::Kind::Text && !op.text.isEmpty())
            out << op.text;
    return out;
}
