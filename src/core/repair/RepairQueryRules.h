#pragma once

#include <QString>
#include <QStringList>

// The seven modes the repair query opens in (the main window's navigator hands one over) and its
// messages. What each mode lists is declared with the query's form.
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
inline const QString EmptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
inline const QString NotFoundMessage = QStringLiteral("无此记录，请重新输入！");
// A rework job holds this in "是否返修".
inline const QString Rework = QStringLiteral("是");
} // namespace RepairQueryRules
