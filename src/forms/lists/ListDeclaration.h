#pragma once

#include "data/lists/ListQuery.h"
#include "forms/lists/ListArgs.h"

#include <QList>
#include <functional>
#include <optional>
#include <vector>

// Everything that makes one list screen: its columns, its modes, its searches and sort items,
// its messages and whose rows a technician may see. ListForm does the rest. Columns are named
// by the data layer's ColumnRef constants, conditions are ListCondition values.
struct ListDeclaration
{
    struct Mode
    {
        QString name;
        std::function<std::vector<ListCondition>(const ListArgs &)> conditions; // empty: every row
    };
    struct Search
    {
        QString label;
        // nullopt: the text is refused with refusedMessage.
        std::function<std::optional<ListCondition>(const QString &text)> condition;
        QString refusedMessage;
        // The entry needs no text: chosen in the search mode box it lists at once, as "显示全部"
        // does ("查询[&F]" still asks for a text first).
        bool listsWhenChosen = false;
    };
    struct SortItem
    {
        QString label;
        ListSort sort;
    };

    QList<ListColumn> columns;
    // One row per distinct combination of the columns (the lines of a bill as one bill); the
    // default sort is then on one of the columns.
    bool distinct = false;
    QList<Mode> modes; // the first one lists when no mode is named
    ListSort defaultSort; // the order of every mode's list (none: table order)

    QString showAllLabel = QStringLiteral("显示全部"); // first entry of the search mode box
    // "查询[&F]" with "显示全部" and a text lists the mode again (false: nothing happens).
    bool findShowsAll = false;
    // Choosing "显示全部" in the mode box empties the search text, as every other entry does
    // (false: the text stays).
    bool showAllEmptiesText = false;
    QList<Search> searches;
    bool searchInTableOrder = false; // a search lists in table order until a sort item is chosen
    bool searchAllRows = false;      // a search looks at every row, not only the mode's (the restriction holds)
    QList<SortItem> sortItems;       // labels not found sort as the first item

    // Opened under the technician view, the list holds only the rows whose ownerColumn is the
    // operator's name, in every mode, search and sort.
    ColumnRef ownerColumn;

    // Rows drawn as warnings (red, yellow text), decided from the row's shown texts; empty: none.
    using RowText = std::function<QString(const ColumnRef &column)>;
    std::function<bool(const RowText &row)> warningRow;

    QString emptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
    QString notFoundMessage = QStringLiteral("无此记录，请重新输入！");

    // A search whose text must be contained in the column.
    static Search contains(const QString &label, const ColumnRef &column)
    {
        return {label, [column](const QString &text) { return std::optional(ListCondition::contains(column, text)); }, {}};
    }
    // A search by a named condition of the data layer.
    static Search named(const QString &label, ListCondition (*condition)(const QString &))
    {
        return {label, [condition](const QString &text) { return std::optional(condition(text)); }, {}};
    }

    QStringList searchLabels() const; // "显示全部" first
    QStringList sortLabels() const;
    const Mode *mode(const QString &name) const;
    const Search *search(const QString &label) const;
    const SortItem *sortItem(const QString &label) const;
};
