#pragma once

#include "TestDatabase.h"
#include "forms/sales/SaleForm.h"

#include <QSqlRecord>
#include <QStringList>

// A small shop for the sales tests: two customer classes (one followed up), the follow-up scope
// on repairs and sales, three parts in the catalog, stock of two of them and one customer.
namespace SalesFixture {

inline const QDate Today(2026, 3, 9);

inline void arrange(TestDatabase &t)
{
    t.ctx.fixedToday = Today;
    t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('零售', 1), ('批发', 0)"));
    t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS')"));
    t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存, 销售价) VALUES "
                          "('A', '内存条', '8G', '内存', '条', 2, 150000), "
                          "('B', '硬盘', '1T', '存储', '块', 1, 400000), "
                          "('C', '鼠标', '无线', '外设', '个', 0, 35000)"));
    // B's purchase price has four decimals: the cost of a sale keeps them.
    t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 类别, 规格, 单位, 库存, 警戒库存, 进货单价, 保修期, 配件申请) VALUES "
                          "('A', '内存条', '内存', '8G', '条', 10, 2, 25000, '一年', 0), "
                          "('B', '硬盘', '存储', '1T', '块', 3, 1, 13333, '三年', 0)"));
    t.exec(QStringLiteral("INSERT INTO 客户目录 (类别, 客户名称, 联系电话, 登记时间) VALUES ('零售', '张三', '13800000001', '2025-01-02')"));
}

// Types a line into the sale grid as the clerk does: the part number (the catalog fills the
// line), then the count, then the price when given.
inline void typeLine(SaleForm &f, int line, const QString &partNo, const QString &quantity, const QString &price = {})
{
    BillLineModel &l = f.lines();
    l.edit(line, SaleForm::PartNo, partNo);
    l.edit(line, SaleForm::Quantity, quantity);
    if (!price.isNull())
        l.edit(line, SaleForm::Price, price);
}

// The rows of a statement, each row's values joined by spaces.
inline QStringList rows(TestDatabase &t, const QString &statement)
{
    QSqlQuery q = t.exec(statement);
    QStringList out;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString();
        out << values.join(u' ');
    }
    return out;
}

} // namespace SalesFixture
