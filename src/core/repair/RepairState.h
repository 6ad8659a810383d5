#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The six states of a repair job ("当前状态" of "维修") and every move between them. Each repair
// screen asks here whether its action may run on a job in a given state.
namespace RepairState {

inline const QString AwaitingCheck = QStringLiteral("待检测");
inline const QString AwaitingRepair = QStringLiteral("待维修");
inline const QString AwaitingSettlement = QStringLiteral("待结算");
inline const QString AwaitingCharge = QStringLiteral("待收费");
inline const QString Ended = QStringLiteral("已结束");
inline const QString Cancelled = QStringLiteral("已取消");

// The actions that move a job, named by their buttons.
enum class Action {
    Register,       // registration "登记[&R]": (none) -> 待检测
    RegisterRework, // rework registration "登记[&R]": (none) -> 待检测
    FinishQuote,    // check and quotation "完成": 待检测 -> 待维修
    BackToCheck,    // repair handling "返回检修": 待维修 -> 待检测
    ToSettlement,   // repair handling "转入结算": 待维修 -> 待结算
    CancelRepair,   // repair handling "取消维修": 待维修 -> 已取消
    ConfirmSettlement, // "确认结算": 待结算 -> 待收费
    ConfirmCharge,  // "确认收费": 待收费 -> 已结束
};

struct Transition
{
    Action action;
    QString from; // empty: a new job
    QString to;
};

// What an action does on a job in a given state.
struct Verdict
{
    enum Kind { Move, Refuse, Nothing } kind = Nothing;
    QString message; // Refuse: the message to show; Move: an optional message after the move
    bool allowed() const { return kind == Move; }
};

QStringList all();                       // in workflow order
bool isKnown(const QString &state);
bool isFinal(const QString &state);      // 已结束 and 已取消: no workflow screen leaves them
bool isInProgress(const QString &state); // the four states before the end
const QList<Transition> &transitions();
const Transition &transition(Action action);
// The action's guard applied to the job's current state.
Verdict judge(Action action, const QString &current);
} // namespace RepairState
