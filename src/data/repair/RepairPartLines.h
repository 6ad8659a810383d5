#pragma once

#include "core/repair/RepairJob.h"

#include <optional>

class Database;

// The part lines of a repair job ("配件") as check and repair handling edit them: one stored line
// at a time. Every change recomputes the job's fees in the same transaction, so a job always holds
// "配件费用" = the sum of "单价" × "数目" over its lines and "费用合计" = parts + labour + extra
// fee. A parts fee typed by hand therefore stands only until the next change of the lines.
class RepairPartLines
{
public:
    explicit RepairPartLines(Database &db) : m_db(db) {}

    // A stored line by its row key (the key the part-line list gives); nullopt when it is gone.
    std::optional<RepairPartLine> line(qint64 key) const;

    // Appends the line to the job ("合计" = "数目" × "单价"). With request, the line's part is first
    // requested from stock (StockLedger::requestParts), in the same transaction.
    void add(const QString &number, const RepairPartLine &line, bool request);
    // Overwrites the stored line (its job stays); false, writing nothing, when it is gone.
    bool change(qint64 key, const RepairPartLine &line);
    // Deletes the stored line; false when it is gone. A parts request made for it stays.
    bool remove(qint64 key);

private:
    // "配件费用" from the job's lines, and "费用合计" from the three fees.
    void recomputeFees(const QString &number);

    Database &m_db;
};
