#pragma once

#include <QString>
#include <QStringList>

// The main window's fixed vocabulary: the groups of its tree, the panel actions the welcome
// screen asks for, and the status texts of the window itself. The screens, with their nodes,
// buttons, menu items, statuses and rights, are declared by each subsystem (ScreenCatalog).
namespace Navigation {

// The tree's groups. A screen declares its node under one of them, or as the group's own node.
inline const QString RepairGroup = QStringLiteral("维修业务");
inline const QString RepairQueryGroup = QStringLiteral("业务查询");
inline const QString SalesGroup = QStringLiteral("商品销售");
inline const QString FollowUpGroup = QStringLiteral("客户回访");
inline const QString CustomerGroup = QStringLiteral("客户资料"); // its leaves are the customer classes
inline const QString StockGroup = QStringLiteral("配件库存");
inline const QString StatisticsGroup = QStringLiteral("统计分析");
inline const QString CatalogGroup = QStringLiteral("基本信息");
// Top to bottom.
QStringList treeGroups();

// The panel actions of the welcome screen's links.
inline const QString ViewStock = QStringLiteral("ViewStock");
inline const QString RepairReg = QStringLiteral("RepairReg");
inline const QString RepairDealWith = QStringLiteral("RepairDealWith");
inline const QString RepairCharge = QStringLiteral("RepairCharge");
inline const QString RepairCheck = QStringLiteral("RepairCheck");
inline const QString StockWarning = QStringLiteral("StockWarning"); // also turns the stock warning view on

inline const QString WelcomeStatus = QStringLiteral(" 欢迎使用");
inline const QString FirstStatus = QStringLiteral(" 欢迎您使用。");
inline const QString TreeStatus = QStringLiteral(" 导航");
inline const QString PanelStatus = QStringLiteral(" 面板");

// A customer class node opens the customer browser of that class.
QString customerClassStatus(const QString &className);
QString customerClassCaption(const QString &className);
}
