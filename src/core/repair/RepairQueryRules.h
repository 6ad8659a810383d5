#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What the repair query lists: its seven modes, its search modes and its sort items. The data
// layer turns a RepairQueryCriteria into a statement.
namespace RepairQueryRules {

inline const QString strALL = QStringLiteral("strALL");
inline const QString strToday = QStringLiteral("strToday");
inline const QString strToMonth = QStringLiteral("strToMonth");
inline const QString strRepairBack = QStringLiteral("strRepairBack");
inline const QString strOnDealing = QStringLiteral("strOnDealing");
inline const QString strOver = QStringLiteral("strOver");
inline const QString strOVERDELAY = QStringLiteral("strOVERDELAY");
QStringList modes();

inline const QString ShowAll = QStringLiteral("显示全部");

enum class SearchKind { Column, FollowUpStaff, PartSerial };
struct SearchMode
{
    QString label;
    SearchKind kind;
    QString column; // for Column: the column of "维修" searched with "contains"
};
// "显示全部" first, then the twelve searches.
QStringList searchLabels();
const QList<SearchMode> &searchModes();
const SearchMode *searchMode(const QString &label);

struct SortItem
{
    QString label;
    QString column;
    bool descending;
};
const QList<SortItem> &sortItems();
// Unknown labels sort by intake, newest first.
SortItem sortItem(const QString &label);

inline const QString EmptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
inline const QString NotFoundMessage = QStringLiteral("无此记录，请重新输入！");
} // namespace RepairQueryRules

// One listing of the repair query: the mode with its day, the technician restriction and the
// optional search; sorted by the sort item.
struct RepairQueryCriteria
{
    QString mode = RepairQueryRules::strALL;
    QDate day;          // strToday
    QDate today;        // the month of strToMonth and strOVERDELAY
    QString ownOnly;    // set: only the jobs of this technician
    QString searchLabel; // empty: no search
    QString searchText;
    QString sortColumn = QStringLiteral("接修日期"); // empty: table order
    bool descending = true;
};
