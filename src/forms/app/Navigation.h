#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

// What the main window's tree, business panel, welcome links and menu open: the screen entry each
// names, its status text and its right (asked of RightsTable under `action`).
namespace Navigation {

struct Target
{
    QString action; // the name RightsTable knows
    QString entry;  // the screen entry of ScreenCatalog
    QString status; // status panel 2 while the screen is open
};

inline const QString CustomerNode = QStringLiteral("客户资料");
inline const QString CustomerClassEntry = QStringLiteral("客户资料－分类"); // argument: the class
inline const QString CustomerClassCatalog = QStringLiteral("客户分类目录");
inline const QString TodayNode = QStringLiteral("当天业务");            // argument: the picked date
inline const QString WelcomeStatus = QStringLiteral(" 欢迎使用");
inline const QString FirstStatus = QStringLiteral(" 欢迎您使用。");
inline const QString TreeStatus = QStringLiteral(" 导航");
inline const QString PanelStatus = QStringLiteral(" 面板");

// The tree's groups and their leaves, in order. "客户资料" has the customer classes as leaves.
QList<QPair<QString, QStringList>> tree();
// The node's screen, or nullopt for a node that opens nothing (the groups).
std::optional<Target> node(const QString &text);
// Status text of a customer class node.
QString customerClassStatus(const QString &className);
QString customerClassCaption(const QString &className);

// The business panel's buttons, in order ("维修登记" ... "当前库存").
QStringList panelButtons();
std::optional<Target> panelButton(const QString &caption);

// The welcome screen's panel actions ("RepairCheck", "StockWarning", ...): screen entry.
std::optional<Target> panelAction(const QString &action);
}
