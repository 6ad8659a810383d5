#pragma once

#include "core/repair/RepairJob.h"
#include "forms/lists/RowListModel.h"

// The part lines of one repair as its read-only lists show them (the detail window, the pending
// visits): part number, part, count, unit price, the line's total where asked for, and SN.
class RepairPartList : public RowListModel
{
public:
    RepairPartList(bool withTotal, QObject *parent);

    void show(const QList<RepairPartLine> &lines);

private:
    bool m_withTotal;
};
