#pragma once

#include "data/catalogs/PartRecord.h"

#include <QHash>
#include <QList>
#include <memory>

class RowListModel;

struct AppContext;

// "配件定价": the selling and repair prices of every part, with the latest purchase price beside
// them. Changes are kept until the screen closes and then stored together.
class PartsPriceListForm
{
public:
    static inline const QString Unknown = QStringLiteral("未知");
    static inline const QString NotNumberMessage = QStringLiteral("请输入数字！");

    explicit PartsPriceListForm(AppContext &ctx);
    ~PartsPriceListForm();

    void open();
    const QList<PartRecord> &parts() const { return m_parts; }
    // The parts as the list shows them, changed prices included.
    RowListModel &list() { return *m_list; }

    // "最新进价：" of a row: the purchase price of its stock row, or "未知".
    QString latestPurchasePrice(int row) const;

    // "修改[&M]" first press: false (message shown) without the right.
    bool beginChange();
    // "保存[&S]": the row's new prices join the pending changes; false (message shown, still
    // editing) when a price is not a number.
    bool endChange(int row, const QString &salePrice, const QString &repairPrice);
    bool isEditing() const { return m_editing; }
    bool hasPending() const { return !m_pending.isEmpty(); }

    // Closing: stores every pending change in one transaction.
    void close();

private:
    QStringList texts(const PartRecord &p) const;

    AppContext &m_ctx;
    QList<PartRecord> m_parts;
    std::unique_ptr<RowListModel> m_list;
    QHash<qint64, int> m_pending; // key -> row
    bool m_editing = false;
};
