#pragma once

#include "data/db/ColumnRef.h"

#include <QHash>
#include <QString>
#include <functional>

// One check of a catalog editor, with its message. A declaration lists its checks in the order
// they run; each runs on Enter in its field, on save, or both.
struct CatalogCheck
{
    enum class Kind {
        Required, // not empty
        MaxBytes, // at most `limit` GBK bytes
        Number,   // a number the column can store (empty is allowed)
        Unique,   // no other row holds the value in the key column
        Exists,   // some row of `ref`'s table holds the value in `ref`
        Custom,   // `test` says so
    };
    // A screen's own rule: the field's value and every value of the panel; true to pass.
    using Test = std::function<bool(const QString &value, const QHash<ColumnRef, QString> &values)>;
    enum When { OnEnter = 1, OnSave = 2, Always = OnEnter | OnSave };

    Kind kind = Kind::Required;
    ColumnRef column;
    QString message;
    int when = Always;
    int limit = 0;          // MaxBytes
    QString changeMessage;  // Unique: the message while changing a row (empty: `message`)
    ColumnRef ref;          // Exists
    Test test;              // Custom

    static CatalogCheck make(Kind kind, const ColumnRef &column, const QString &message, int when)
    {
        CatalogCheck c;
        c.kind = kind;
        c.column = column;
        c.message = message;
        c.when = when;
        return c;
    }
    static CatalogCheck required(const ColumnRef &column, const QString &message, int when = Always)
    {
        return make(Kind::Required, column, message, when);
    }
    static CatalogCheck maxBytes(const ColumnRef &column, int limit, const QString &message, int when = Always)
    {
        CatalogCheck c = make(Kind::MaxBytes, column, message, when);
        c.limit = limit;
        return c;
    }
    static CatalogCheck number(const ColumnRef &column, const QString &message, int when = Always)
    {
        return make(Kind::Number, column, message, when);
    }
    static CatalogCheck unique(const ColumnRef &column, const QString &onAdd, const QString &onChange = {}, int when = Always)
    {
        CatalogCheck c = make(Kind::Unique, column, onAdd, when);
        c.changeMessage = onChange;
        return c;
    }
    static CatalogCheck exists(const ColumnRef &column, const ColumnRef &in, const QString &message, int when = Always)
    {
        CatalogCheck c = make(Kind::Exists, column, message, when);
        c.ref = in;
        return c;
    }
    static CatalogCheck custom(const ColumnRef &column, const QString &message, Test test, int when = Always)
    {
        CatalogCheck c = make(Kind::Custom, column, message, when);
        c.test = std::move(test);
        return c;
    }

    QString messageFor(bool adding) const { return !adding && !changeMessage.isEmpty() ? changeMessage : message; }
};
