#pragma once

#include "data/lists/ListQuery.h"
#include "forms/lists/PickerDeclaration.h"

#include <QStringList>
#include <memory>

class ListModel;
struct AppContext;

// The logic of a picker declared by a PickerDeclaration: the class box's entries, the list of a
// class, the free search and the row a choice takes. The list is a ListModel, paged by keys: the
// first rows show without reading the rest, however long the catalog.
class PickerForm
{
public:
    PickerForm(AppContext &ctx, PickerDeclaration declaration);
    virtual ~PickerForm();

    const PickerDeclaration &declaration() const { return m_decl; }
    ListModel &model() { return *m_model; }
    const ListModel &model() const { return *m_model; }

    // The class box: the classes in table order, then "全部".
    QStringList classChoices() const;
    // Lists a class ("全部", or a declaration without classes: every row), in the declared order.
    void showClass(const QString &text);
    // What showClass() lists.
    ListQuery classQuery(const QString &text) const;
    // "查找": false when nothing was listed (an empty text) or nothing was found, each with its
    // message; what was found is listed otherwise (and an empty list when nothing was).
    bool search(const QString &text);

    int rowCount() const;
    QString text(int row, const ColumnRef &column) const;
    // The row key of a listed row; 0 when there is no such row.
    qint64 key(int row) const;

protected:
    AppContext &m_ctx;

private:
    PickerDeclaration m_decl;
    std::unique_ptr<ListModel> m_model;
};
