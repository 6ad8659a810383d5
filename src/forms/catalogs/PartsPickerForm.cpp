#include "forms/catalogs/PartsPickerForm.h"

#include "data/catalogs/PartsCatalog.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

QStringList PartsPickerForm::categories() const
{
    QStringList list = PartsCatalog(m_ctx.database()).categories();
    list << All;
    return list;
}

void PartsPickerForm::showCategory(const QString &category)
{
    const QString c = category.trimmed();
    m_parts = PartsCatalog(m_ctx.database()).byCategory(c == All ? QString() : c);
}

bool PartsPickerForm::search(const QString &text)
{
    if (text.isEmpty()) {
        m_ctx.prompt().warning(EmptySearchMessage);
        return false;
    }
    m_parts = PartsCatalog(m_ctx.database()).search(text);
    if (m_parts.isEmpty()) {
        m_ctx.prompt().warning(NotFoundMessage);
        return false;
    }
    return true;
}

std::optional<PartChoice> PartsPickerForm::choose(int row) const
{
    if (row < 0 || row >= m_parts.size())
        return std::nullopt;
    return toChoice(m_parts.at(row));
}

PartChoice PartsPickerForm::toChoice(const PartRecord &p)
{
    return {p.partNo, p.name, p.model, p.category, p.unit, p.warningLevel, p.salePrice.toText()};
}
