#pragma once

#include <QString>

// One check of a catalog editor, with its message. A declaration lists its checks in the order
// they run; each runs on Enter in its field, on save, or both.
struct CatalogCheck
{
    enum class Kind {
        Required, // not empty
        MaxBytes, // at most `limit` GBK bytes
        Number,   // a number the column can store (empty is allowed)
        Unique,   // no other row holds the value in the key column
        Exists,   // the value is a row of `refTable`.`refColumn`
    };
    enum When { OnEnter = 1, OnSave = 2, Always = OnEnter | OnSave };

    Kind kind = Kind::Required;
    QString column;
    QString message;
    int when = Always;
    int limit = 0;          // MaxBytes
    QString changeMessage;  // Unique: the message while changing a row (empty: `message`)
    QString refTable;       // Exists
    QString refColumn;

    static CatalogCheck required(const QString &column, const QString &message, int when = Always)
    {
        return {Kind::Required, column, message, when};
    }
    static CatalogCheck maxBytes(const QString &column, int limit, const QString &message, int when = Always)
    {
        return {Kind::MaxBytes, column, message, when, limit};
    }
    static CatalogCheck number(const QString &column, const QString &message, int when = Always)
    {
        return {Kind::Number, column, message, when};
    }
    static CatalogCheck unique(const QString &column, const QString &onAdd, const QString &onChange = {}, int when = Always)
    {
        return {Kind::Unique, column, onAdd, when, 0, onChange};
    }
    static CatalogCheck exists(const QString &column, const QString &table, const QString &from, const QString &message,
                               int when = Always)
    {
        return {Kind::Exists, column, message, when, 0, {}, table, from};
    }

    QString messageFor(bool adding) const { return !adding && !changeMessage.isEmpty() ? changeMessage : message; }
};
