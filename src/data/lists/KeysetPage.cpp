#include "data/lists/KeysetPage.h"

QList<KeysetPage::Step> KeysetPage::steps(const QString &col, bool descending, const QString &key, const ListCursor &cursor)
{
    QList<Step> out;
    auto add = [&](const QString &after, const QVariantList &binds, const QString &order) { out << Step{after, binds, order}; };

    if (col.isEmpty()) {
        if (cursor.atStart)
            add({}, {}, key);
        else
            add(key + QStringLiteral(" > ?"), {cursor.key}, key);
        return out;
    }

    if (!descending) {
        const QString order = col + QStringLiteral(", ") + key;
        if (cursor.atStart) {
            add({}, {}, order);
        } else if (cursor.sortValue.isNull()) {
            add(col + QStringLiteral(" IS NULL AND ") + key + QStringLiteral(" > ?"), {cursor.key}, key);
            add(col + QStringLiteral(" IS NOT NULL"), {}, order);
        } else {
            add(col + QStringLiteral(" = ? AND ") + key + QStringLiteral(" > ?"), {cursor.sortValue, cursor.key}, key);
            add(col + QStringLiteral(" > ?"), {cursor.sortValue}, order);
        }
        return out;
    }
    const QString order = col + QStringLiteral(" DESC, ") + key + QStringLiteral(" DESC");
    const QString keyDown = key + QStringLiteral(" DESC");
    if (cursor.atStart) {
        add({}, {}, order);
    } else if (cursor.sortValue.isNull()) {
        add(col + QStringLiteral(" IS NULL AND ") + key + QStringLiteral(" < ?"), {cursor.key}, keyDown);
    } else {
        add(col + QStringLiteral(" = ? AND ") + key + QStringLiteral(" < ?"), {cursor.sortValue, cursor.key}, keyDown);
        add(col + QStringLiteral(" < ?"), {cursor.sortValue}, order);
        add(col + QStringLiteral(" IS NULL"), {}, keyDown);
    }
    return out;
}
