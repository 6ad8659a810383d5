#pragma once

#include "core/app/RightsTable.h"
#include "core/repair/RepairQueryRules.h"

#include <QDate>
#include <memory>

class RepairQueryModel;
struct AppContext;
struct RepairJob;

// The repair query's logic: a mode (with its day), the technician restriction, searches that
// start again from the mode's listing, sorting of what is listed, and the remarks memo.
class RepairQueryForm
{
public:
    // access: how the screen was opened; OwnOnly (technician view) lists only the operator's jobs.
    RepairQueryForm(AppContext &ctx, RightsTable::Access access);
    ~RepairQueryForm();

    RepairQueryModel &model() { return *m_model; }

    // Lists the mode (day: "当天业务"'s date); opened with OwnOnly, only the operator's own jobs,
    // in every mode.
    void load(const QString &mode, const QDate &day = QDate());
    QString mode() const { return m_base.mode; }
    bool ownOnly() const { return !m_base.ownOnly.isEmpty(); }

    // "查询[&F]": false when nothing was searched (empty text, with its message, or "显示全部").
    // An empty result shows "无此记录，请重新输入！".
    bool search(const QString &searchLabel, const QString &text);
    // Choosing "显示全部" in the search mode box lists the mode again.
    void showAll();
    // A sort item re-lists the current rows (the mode's or the last search's) in its order.
    void sort(const QString &sortLabel);

    int rowCount() const;
    const RepairJob &job(int row) const;
    // The memo's text written to the job of the row (when the current row changes).
    void saveRemarks(int row, const QString &remarks);

private:
    AppContext &m_ctx;
    RightsTable::Access m_access;
    std::unique_ptr<RepairQueryModel> m_model;
    RepairQueryCriteria m_base;    // the mode's listing
    RepairQueryCriteria m_current; // the mode's listing or the last search
};
