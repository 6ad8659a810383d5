#pragma once

#include "forms/tools/FeedbackProxy.h"

class Prompter;

// "网络设置": the proxy of the feedback form, edited on a copy the form takes back.
class NetSetForm
{
public:
    static inline const QString PortNotInteger = QStringLiteral("端口号必须为整数");
    static inline const QString PortOutOfRange = QStringLiteral("端口号必须在0到65535之间");

    NetSetForm(Prompter &prompter, const FeedbackProxy &proxy) : m_prompter(prompter), proxy(proxy) {}

    // "确定[&O]": takes the tick and the host, then the port. False, with the message shown and
    // the tick and host already taken, when the port is not a whole number from 0 to 65535.
    bool confirm(bool use, const QString &host, const QString &port);

private:
    Prompter &m_prompter;

public:
    FeedbackProxy proxy;
};
