#pragma once

#include <QString>

// The proxy of a feedback send, held by the feedback form while it is open and never stored.
struct FeedbackProxy
{
    QString use = QStringLiteral("false"); // "true" or "false"
    QString host;
    int port = 0;

    bool used() const { return use == QLatin1String("true"); }
};
