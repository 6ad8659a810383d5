#pragma once

#include "data/catalogs/CatalogStore.h"
#include "forms/catalogs/CatalogDeclaration.h"
#include "forms/catalogs/CatalogListModel.h"
#include "forms/catalogs/CatalogValidator.h"

#include <memory>

struct AppContext;

// The editor of a name-list catalog: one text column, each change one input box and one write,
// values taken exactly as typed and kept unique by the declared checks.
class NameListEditor
{
public:
    NameListEditor(AppContext &ctx, CatalogDeclaration decl);

    const CatalogDeclaration &declaration() const { return m_decl; }
    CatalogListModel &list() { return *m_list; }
    CatalogStore &store() { return m_store; }

    void open();
    void setCurrentRow(int row);
    int currentRow() const { return m_currentRow; }

    // "新建[&N]", "修改[&M]", "删除[&D]": true when the table changed.
    bool add();
    bool change();
    bool remove();

private:
    bool allowed() const;
    QString ask() const;
    bool refused(const QString &value, bool adding, const QString &start) const;

    AppContext &m_ctx;
    CatalogDeclaration m_decl;
    CatalogStore m_store;
    CatalogValidator m_validator;
    std::unique_ptr<CatalogListModel> m_list;
    int m_currentRow = -1;
};
