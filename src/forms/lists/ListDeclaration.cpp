#include "forms/lists/ListDeclaration.h"

QStringList ListDeclaration::searchLabels() const
{
    QStringList labels{showAllLabel};
    for (const Search &s : searches)
        labels << s.label;
    return labels;
}

QStringList ListDeclaration::sortLabels() const
{
    QStringList labels;
    for (const SortItem &s : sortItems)
        labels << s.label;
    return labels;
}

const ListDeclaration::Mode *ListDeclaration::mode(const QString &name) const
{
    for (const Mode &m : modes)
        if (m.name == name)
            return &m;
    return modes.isEmpty() ? nullptr : &modes.first();
}

const ListDeclaration::Search *ListDeclaration::search(const QString &label) const
{
    for (const Search &s : searches)
        if (s.label == label)
            return &s;
    return nullptr;
}

const ListDeclaration::SortItem *ListDeclaration::sortItem(const QString &label) const
{
    for (const SortItem &s : sortItems)
        if (s.label == label)
            return &s;
    return sortItems.isEmpty() ? nullptr : &sortItems.first();
}
