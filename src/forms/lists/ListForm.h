#pragma once

#include "core/app/RightsTable.h"
#include "forms/lists/ListDeclaration.h"

#include <memory>

class ListModel;
struct AppContext;

// The logic of a list screen declared by a ListDeclaration: a mode lists its rows in the
// declared order; a search lists the mode's rows that match (searches do not accumulate); a sort
// item re-lists what is shown in its order; "显示全部" lists the mode again. The technician
// restriction holds in all of them.
class ListForm
{
public:
    // access: how the screen was opened; anything but Full (the technician view) restricts every
    // list to the operator's own rows.
    ListForm(AppContext &ctx, ListDeclaration declaration, RightsTable::Access access);
    virtual ~ListForm();

    const ListDeclaration &declaration() const { return m_decl; }
    ListModel &model() { return *m_model; }
    const ListModel &model() const { return *m_model; }

    // Lists the mode (unknown or empty: the first); day is the day the operator chose, if any.
    void load(const QString &mode = QString(), const QDate &day = QDate());
    QString mode() const { return m_mode; }
    bool ownOnly() const { return m_ownOnly; }

    // "查询[&F]" with the search mode box on label: false when nothing was listed (an empty
    // text, with its message; "显示全部" unless the declaration lists the mode for it, or an
    // unknown label; a refused text, with its message).
    // A search that finds nothing shows the declaration's not-found message.
    bool search(const QString &label, const QString &text);
    // "显示全部" chosen in the search mode box: the mode's list, in the declared order.
    void showAll();
    // An entry chosen in the search mode box: "显示全部" lists the mode again, an entry that needs
    // no text lists at once; false (nothing listed) for any other.
    bool choose(const QString &label);
    // Conditions every list from now on adds to the mode's and the search's (a screen's tick box);
    // what is shown stays until the next list.
    void setFilter(std::vector<ListCondition> filter) { m_filter = std::move(filter); }
    // A sort item re-lists the rows shown (the mode's or the last search's); nothing when the
    // list is empty.
    void sort(const QString &label);
    // The current list again, in its order (rows written since show up).
    void refresh();
    // The list made again ("刷新", after a change): the row to select afterwards, the same
    // record when it is still listed, else the same position (-1: the list is empty).
    int relist(int row);

    int rowCount() const;
    // The text a shown column has in the row.
    QString text(int row, const ColumnRef &column) const;
    // Any column of the row's record, read now.
    QString recordText(int row, const ColumnRef &column) const;
    // Whether the row is drawn as a warning (the declaration's warningRow).
    bool isWarningRow(int row) const;

protected:
    // Runs after every new list (a mode, a search, "显示全部", a sort item), not after refresh().
    virtual void listed() {}

private:
    void list(std::vector<ListCondition> conditions, const ListSort &sort);

    AppContext &m_ctx;
    ListDeclaration m_decl;
    RightsTable::Access m_access;
    std::unique_ptr<ListModel> m_model;
    QString m_mode;
    bool m_ownOnly = false;
    std::vector<ListCondition> m_base;    // the mode's conditions and the restriction
    std::vector<ListCondition> m_searchBase; // what a search adds its condition to
    std::vector<ListCondition> m_current; // the base, or the base and the last search
    std::vector<ListCondition> m_filter;
    ListSort m_sort;
};
