#pragma once

#include "data/catalogs/CatalogStore.h"
#include "forms/catalogs/CatalogDeclaration.h"
#include "forms/catalogs/CatalogListModel.h"
#include "forms/catalogs/CatalogValidator.h"

#include <QHash>
#include <memory>

struct AppContext;

// The one editor behind every list-and-panel catalog screen: a list, a panel of fields, "新建[&N]"
// and "修改[&M]" toggling to "保存[&S]", "删除[&D]" with "确定删除吗？", the declared checks on
// Enter and on save, and the right for changes. The screen maps its widgets to values() and
// follows mode() and focusTarget().
class CatalogEditor
{
public:
    enum class Mode { Ini, Add, Del }; // browsing, adding, changing ("Del" names the change mode)

    // Where the focus goes after a step: a field's column, or one of these two marks, which name
    // no column of any table.
    static inline const ColumnRef ActionButton{QString(), QStringLiteral("#action")}; // the running mode's button
    static inline const ColumnRef SearchBox{QString(), QStringLiteral("#search")};

    CatalogEditor(AppContext &ctx, CatalogDeclaration decl);

    const CatalogDeclaration &declaration() const { return m_decl; }
    CatalogStore &store() { return m_store; }
    CatalogListModel &list() { return *m_list; }

    Mode mode() const { return m_mode; }
    QString modeName() const;
    bool isEditing() const { return m_mode != Mode::Ini; }
    QString startKey() const { return m_startKey; }

    // The panel, by column.
    QString value(const ColumnRef &column) const { return m_values.value(column); }
    void setValue(const ColumnRef &column, const QString &text) { m_values[column] = text; }
    const QHash<ColumnRef, QString> &values() const { return m_values; }
    // The values of a Choice field's drop-down, in table order.
    QStringList choices(const ColumnRef &column) const;

    // The list's current row. Refills the panel while browsing (and while editing when declared).
    void setCurrentRow(int row);
    int currentRow() const { return m_currentRow; }
    const CatalogRow &current() const { return m_current; }

    // Opening: the whole list, browsing.
    void open();
    // Search of the directory: shows the messages; false when the text was empty or nothing was
    // found (focus: the search box).
    bool search(const QString &modeLabel, const QString &text);
    void showAll();

    // "新建[&N]" / "修改[&M]" in their first state. False when refused (message shown).
    bool beginAdd();
    bool beginChange();
    // "保存[&S]": true when stored; otherwise focusTarget() names the field to focus.
    bool save();
    // Leaves editing without storing (closing the screen).
    void cancel();
    // "删除[&D]".
    bool remove();
    // Enter in a field: its checks; true when they pass and the focus moves to focusTarget().
    bool enter(const ColumnRef &column);

    ColumnRef focusTarget() const { return m_focus; }

private:
    bool allowed() const;
    void loadPanel(const CatalogRow &row);
    QStringList rowValues() const;
    ColumnRef nextAfter(const ColumnRef &column) const;

    AppContext &m_ctx;
    CatalogDeclaration m_decl;
    CatalogStore m_store;
    CatalogValidator m_validator;
    std::unique_ptr<CatalogListModel> m_list;
    Mode m_mode = Mode::Ini;
    QHash<ColumnRef, QString> m_values;
    CatalogRow m_current;
    int m_currentRow = -1;
    QString m_startKey;
    ColumnRef m_focus;
};
