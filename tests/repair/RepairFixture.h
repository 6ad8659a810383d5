#pragma once

#include "TestDatabase.h"

// Catalog rows the repair screens pick from, and jobs written straight into "维修".
namespace RepairFixture {
inline void catalogs(TestDatabase &t)
{
    t.exec("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('普通客户', 1), ('VIP', 0)");
    t.exec("INSERT INTO 维修物类别目录 (类别) VALUES ('笔记本'), ('台式机')");
    t.exec("INSERT INTO 品牌目录 (品牌) VALUES ('联想')");
    t.exec("INSERT INTO 故障描述 (故障描述) VALUES ('不开机')");
    t.exec("INSERT INTO 技术员目录 (技术员) VALUES ('老王'), ('小李')");
}

struct Job
{
    QString number, state = QStringLiteral("待检测"), intake, end, technician = QStringLiteral("老王"),
                    customer = QStringLiteral("张三"), item = QStringLiteral("电脑"), serial, rework, summary;
};

inline void job(TestDatabase &t, const Job &j)
{
    auto v = [](const QString &s) { return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s); };
    t.exec("INSERT INTO 维修 (业务编号, 当前状态, 接修日期, 返回日期, 技术员, 客户, 物件名称, 物件编号, 是否返修, 维修小结) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
           {j.number, j.state, v(j.intake), v(j.end), j.technician, j.customer, j.item, v(j.serial), v(j.rework),
            v(j.summary)});
}
}
