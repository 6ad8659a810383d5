#include "forms/app/LoginForm.h"

#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

bool LoginForm::login(const QString &loginName, const QString &password)
{
    OperatorStore store(m_ctx.database());
    // With no operator at all, anyone comes in with every right, so a new shop can set itself up.
    if (store.isEmpty()) {
        m_ctx.OperatorName = UnknownOperator;
        m_ctx.OperatorRights = Rights::SuperUser;
        return true;
    }
    const auto op = store.find(loginName.trimmed(), password.trimmed());
    if (!op) {
        m_ctx.prompt().warning(WrongMessage);
        return false;
    }
    m_ctx.OperatorName = op->name;
    m_ctx.OperatorRights = op->role == SuperUserRole ? Rights::SuperUser : op->columns;
    return true;
}
