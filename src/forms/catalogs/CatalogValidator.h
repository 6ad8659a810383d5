#pragma once

#include "forms/catalogs/CatalogDeclaration.h"

#include <QHash>
#include <optional>

class Database;

// Runs a declaration's checks, in their order, over the values of a panel.
class CatalogValidator
{
public:
    struct Failure
    {
        ColumnRef column; // the field that gets the focus
        QString message;
    };

    CatalogValidator(const CatalogDeclaration &decl, Database &db) : m_decl(decl), m_db(db) {}

    // The first failing check among those that run at `when` (only the checks of `column` when
    // given). adding: a new row; otherwise startKey is the key the row had when editing began.
    std::optional<Failure> firstFailure(const QHash<ColumnRef, QString> &values, CatalogCheck::When when, bool adding,
                                        const QString &startKey, const ColumnRef &column = {}) const;

    // The key as it is looked up and stored.
    QString keyText(const QString &typed) const { return m_decl.trimKey ? typed.trimmed() : typed; }

private:
    bool passes(const CatalogCheck &check, const QString &value, bool adding, const QString &startKey) const;

    const CatalogDeclaration &m_decl;
    Database &m_db;
};
