#include "data/db/TextMatch.h"

#include "data/db/Sql.h"

namespace {
bool hasLatinLetter(const QString &text)
{
    for (const QChar c : text)
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            return true;
    return false;
}
}

QString TextMatch::contains(const QString &quotedColumn, const QString &text, QVariantList &binds)
{
    // Without Latin letters case folding changes nothing, and a plain substring test is several
    // times faster than LIKE over a large table.
    if (!hasLatinLetter(text)) {
        binds << text;
        return QStringLiteral("instr(%1, ?) > 0").arg(quotedColumn);
    }
    binds << Sql::likePattern(text);
    // The escape clause costs time on every row; a text without wildcard characters needs none.
    if (!text.contains(u'%') && !text.contains(u'_') && !text.contains(u'\\'))
        return QStringLiteral("%1 LIKE ?").arg(quotedColumn);
    return QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(quotedColumn);
}
