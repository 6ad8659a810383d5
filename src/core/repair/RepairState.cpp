#include "core/repair/RepairState.h"

namespace RepairState {

QStringList all()
{
    return {AwaitingCheck, AwaitingRepair, AwaitingSettlement, AwaitingCharge, Ended, Cancelled};
}

bool isKnown(const QString &state) { return all().contains(state); }

bool isFinal(const QString &state) { return state == Ended || state == Cancelled; }

bool isInProgress(const QString &state) { return isKnown(state) && !isFinal(state); }

const QList<Transition> &transitions()
{
    static const QList<Transition> table = {
        {Action::Register, QString(), AwaitingCheck},
        {Action::RegisterRework, QString(), AwaitingCheck},
        {Action::FinishQuote, AwaitingCheck, AwaitingRepair},
        {Action::BackToCheck, AwaitingRepair, AwaitingCheck},
        {Action::ToSettlement, AwaitingRepair, AwaitingSettlement},
        {Action::CancelRepair, AwaitingRepair, Cancelled},
        {Action::ConfirmSettlement, AwaitingSettlement, AwaitingCharge},
        {Action::ConfirmCharge, AwaitingCharge, Ended},
    };
    return table;
}

const Transition &transition(Action action)
{
    for (const Transition &t : transitions())
        if (t.action == action)
            return t;
    return transitions().first();
}

Verdict judge(Action action, const QString &current)
{
    const Transition &t = transition(action);
    auto refuse = [](const QString &m) { return Verdict{Verdict::Refuse, m}; };
    auto nothing = [] { return Verdict{Verdict::Nothing, QString()}; };
    switch (action) {
    case Action::Register:
    case Action::RegisterRework:
        return {Verdict::Move, QString()};
    case Action::FinishQuote:
        if (current == AwaitingRepair)
            return refuse(QStringLiteral("该业务已经完成报价，操作被取消！"));
        break;
    case Action::BackToCheck:
        if (current == AwaitingCheck)
            return nothing();
        if (current == t.from)
            return {Verdict::Move, QStringLiteral("该业务已经被转回“检测报价”。")};
        break;
    case Action::ToSettlement:
        if (current == AwaitingSettlement)
            return refuse(QStringLiteral("该业务已经是“待结算”状态，操作被取消！"));
        break;
    case Action::CancelRepair:
        if (current == Cancelled)
            return nothing();
        break;
    case Action::ConfirmSettlement:
        if (current == AwaitingCharge)
            return refuse(QStringLiteral("该维修已经结算，操作被取消！"));
        if (current == Ended)
            return refuse(QStringLiteral("该维修已经结束，操作被取消！"));
        break;
    case Action::ConfirmCharge:
        if (current == Ended)
            return refuse(QStringLiteral("该维修已经结束，操作被取消！"));
        if (current == AwaitingSettlement)
            return refuse(QStringLiteral("该维修处于“待结算”状态，请先完成结算！"));
        break;
    }
    // Any other state than the one the action leaves from: a final job never moves again, and
    // a job in some other state is left alone.
    if (current == t.from)
        return {Verdict::Move, QString()};
    return nothing();
}
} // namespace RepairState
