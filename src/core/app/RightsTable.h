#pragma once

#include "core/app/Right.h"

#include <QString>
#include <QStringList>

// Which action needs which right: the one table every entry point asks. An action is named by
// the caption of its tree node or menu item, by panelButton(caption) for a business panel button,
// by the panel action a welcome-screen link asks for ("RepairCheck", "StockWarning" ...), or by an
// in-screen action name such as "基本信息编辑" (the catalog editors' change buttons).
// Names the table does not hold (the tree's group nodes, for instance) need no right.
namespace RightsTable {

enum class Access {
    Denied,
    Full,
    OwnOnly, // technician view: the screen opens but lists only the operator's own repairs
};

inline const QString DeniedMessage = QStringLiteral("您没有此项操作权限！");

// In-screen actions.
inline const QString CatalogEdit = QStringLiteral("基本信息编辑");     // new/change/delete in catalog editors
inline const QString StockCorrection = QStringLiteral("更新库存");     // current stock correction
inline const QString RepairDetailUpdate = QStringLiteral("更新");      // repair detail free edit

// The action name of a business panel button.
inline QString panelButton(const QString &caption) { return QStringLiteral("面板/") + caption; }

Access access(const QString &action, quint32 rights);
inline bool allows(const QString &action, quint32 rights) { return access(action, rights) != Access::Denied; }
// True when the table names the action (unknown actions need no right).
bool knows(const QString &action);
QStringList actions();
}
