#include "forms/tools/NetSetForm.h"

#include "forms/app/Prompter.h"

bool NetSetForm::confirm(bool use, const QString &host, const QString &port)
{
    proxy.use = use ? QStringLiteral("true") : QStringLiteral("false");
    proxy.host = host.trimmed();
    bool ok = false;
    const int value = port.trimmed().toInt(&ok);
    if (!ok) {
        m_prompter.warning(PortNotInteger);
        return false;
    }
    // A port beyond the range would reach the network as another port.
    if (value < 0 || value > 65535) {
        m_prompter.warning(PortOutOfRange);
        return false;
    }
    proxy.port = value;
    return true;
}
