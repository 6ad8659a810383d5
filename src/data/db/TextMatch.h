#pragma once

#include <QString>
#include <QVariantList>

// The condition "column contains text" for pattern searches, matching the text literally ("%"
// and "_" are no wildcards) and ignoring the case of Latin letters only, as LIKE does. Chooses
// the engine's fastest form for the text; appends the values to bind.
namespace TextMatch {
QString contains(const QString &quotedColumn, const QString &text, QVariantList &binds);
}
