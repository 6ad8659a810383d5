#include "forms/app/MainForm.h"

#include "data/app/ShellStore.h"
#include "forms/app/AppContext.h"

QStringList MainForm::customerClasses() const
{
    return ShellStore(m_ctx.database()).customerClasses();
}

bool MainForm::classHasCustomers(const QString &className) const
{
    return ShellStore(m_ctx.database()).classHasCustomers(className);
}
