#include "forms/catalogs/CatalogValidator.h"

#include "core/app/GbkText.h"
#include "data/catalogs/CatalogStore.h"

std::optional<CatalogValidator::Failure> CatalogValidator::firstFailure(const QHash<ColumnRef, QString> &values,
                                                                        CatalogCheck::When when, bool adding,
                                                                        const QString &startKey,
                                                                        const ColumnRef &column) const
{
    for (const CatalogCheck &check : m_decl.checks) {
        if (!(check.when & when))
            continue;
        if (column.isValid() && check.column != column)
            continue;
        const bool ok = check.kind == CatalogCheck::Kind::Custom
            ? (!check.test || check.test(values.value(check.column), values))
            : passes(check, values.value(check.column), adding, startKey);
        if (!ok)
            return Failure{check.column, check.messageFor(adding)};
    }
    return std::nullopt;
}

bool CatalogValidator::passes(const CatalogCheck &check, const QString &value, bool adding,
                              const QString &startKey) const
{
    switch (check.kind) {
    case CatalogCheck::Kind::Required:
        return !(check.column == m_decl.keyColumn ? keyText(value) : value).isEmpty();
    case CatalogCheck::Kind::MaxBytes:
        return GbkText::fits(value, check.limit);
    case CatalogCheck::Kind::Number:
        return CatalogStore::accepts(check.column, value);
    case CatalogCheck::Kind::Unique: {
        const QString key = keyText(value);
        // A row keeping its own name is no duplicate of itself.
        if (!adding && key == keyText(startKey))
            return true;
        return !CatalogStore(m_db, {check.column}).exists(check.column, key);
    }
    case CatalogCheck::Kind::Exists:
        return CatalogStore(m_db, {check.ref}).exists(check.ref, value);
    case CatalogCheck::Kind::Custom:
        break; // run by firstFailure, which has every value
    }
    return true;
}
