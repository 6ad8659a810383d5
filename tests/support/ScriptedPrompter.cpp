#include "ScriptedPrompter.h"

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const QString &s : shown)
        out << s.mid(s.indexOf(QStringLiteral(": ")) + 2);
    return out;
}
