#pragma once

#include <QDate>
#include <QString>

// The cancel dialog's answer: a reason ("未知" when none was typed) and the return date, or an
// empty reason when the dialog was not confirmed (no cancellation).
class RepairCancelForm
{
public:
    static inline const QString UnknownReason = QStringLiteral("未知");

    void confirm(const QString &typedReason, const QDate &date)
    {
        const QString t = typedReason.trimmed();
        reason = t.isEmpty() ? UnknownReason : t;
        dateText = date.toString(QStringLiteral("yyyy-MM-dd"));
    }
    void cancel()
    {
        reason.clear();
        dateText.clear();
    }

    QString reason;
    QString dateText;
};
