#pragma once

#include "data/catalogs/PartRecord.h"
#include "forms/catalogs/PartsChoice.h"

#include <QList>
#include <QStringList>

struct AppContext;

// The part picker: the classes with "全部" last, the parts of a class or all of them, the search
// by number or name, and the choice of a row.
class PartsPickerForm
{
public:
    static inline const QString All = QStringLiteral("全部");
    static inline const QString EmptySearchMessage = QStringLiteral("请输入配件编号或者配件名称后搜索！");
    static inline const QString NotFoundMessage = QStringLiteral("要搜索的配件不存在！");

    explicit PartsPickerForm(AppContext &ctx) : m_ctx(ctx) {}

    // The class box: every class of "类别目录", then "全部".
    QStringList categories() const;
    // Loads the parts of a class ("全部": every part), ordered by part number.
    void showCategory(const QString &category);
    // "查找[&S]": false (message shown) when the text is empty or nothing matched; the list is
    // replaced by the matches otherwise (and also left empty when nothing matched).
    bool search(const QString &text);

    const QList<PartRecord> &parts() const { return m_parts; }
    // The choice of row `row`; nullopt when there is no such row.
    std::optional<PartChoice> choose(int row) const;

    static PartChoice toChoice(const PartRecord &p);

private:
    AppContext &m_ctx;
    QList<PartRecord> m_parts;
};
