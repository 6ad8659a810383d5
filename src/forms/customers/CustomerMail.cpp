#include "forms/customers/CustomerMail.h"

#include "forms/app/Prompter.h"

QString CustomerMail::link(Prompter &prompter, const QString &address)
{
    const QString a = address.trimmed();
    if (a.isEmpty()) {
        prompter.warning(NoAddressMessage);
        return QString();
    }
    return QStringLiteral("mailto:") + a;
}
