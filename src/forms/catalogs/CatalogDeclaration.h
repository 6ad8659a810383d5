#pragma once

#include "core/app/RightsTable.h"
#include "forms/catalogs/CatalogCheck.h"
#include "forms/catalogs/CatalogField.h"
#include "forms/catalogs/GridColumn.h"

#include <QList>
#include <QStringList>
#include <functional>

struct AppContext;
struct CatalogRow;

// Everything that makes one catalog screen: its columns (handles the data layer declares for
// the table), its panel, its checks in order, its messages and the right its changes need. The
// editor mechanism does the rest.
struct CatalogDeclaration
{
    struct SearchMode
    {
        QString label;    // drop-down entry
        ColumnRef column; // searched with "contains"
    };

    QString caption;          // window title
    QList<ColumnRef> columns; // the columns the screen reads and writes, all of one table
    QList<GridColumn> gridColumns;
    ColumnRef orderBy;        // none: table order

    QList<CatalogField> fields; // panel inputs in Enter order
    QList<CatalogCheck> checks; // in the order they run
    ColumnRef keyColumn;        // the name a Unique check guards
    bool trimKey = false;       // the key is looked up, compared and stored trimmed

    QString editAction = RightsTable::CatalogEdit; // empty: changes need no right
    QString addedMessage;       // shown after a new row is saved (empty: none)
    QString changedMessage;
    QString emptyChangeMessage; // set: change on an empty list is refused with it before asking
    QString emptyDeleteMessage; // set: delete asks first, then refuses an empty list with it;
                                // empty: delete on an empty list does nothing at all
    ColumnRef stampColumn;      // set to today's date when a new row is saved
    bool refillWhileEditing = false; // panel follows the list's current row even while editing

    // Writes a screen makes beside its own row, run in the same transaction as the row's write
    // (a throw undoes both). startKey: the key before a change (empty when adding).
    std::function<void(AppContext &ctx, bool adding, const CatalogRow &saved, const QString &startKey)> afterSave;
    std::function<void(AppContext &ctx, const CatalogRow &removed)> afterRemove;

    // Directory search ("显示全部" first).
    QList<SearchMode> searchModes;
    QString emptySearchMessage;
    QString notFoundMessage;

    // Name lists: one value asked for in an input box.
    QString inputTitle;
    bool uniqueLabel = false;   // shows "类别名称不允许重复"

    static inline const QString ShowAll = QStringLiteral("显示全部");
    static inline const QString NotNumberMessage = QStringLiteral("请输入数字！");

    int columnIndex(const ColumnRef &column) const { return int(columns.indexOf(column)); }
    const CatalogField *field(const ColumnRef &column) const
    {
        for (const CatalogField &f : fields)
            if (f.column == column)
                return &f;
        return nullptr;
    }
};
