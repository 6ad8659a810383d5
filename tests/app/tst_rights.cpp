#include "core/app/Right.h"
#include "core/app/RightsTable.h"

#include <QtTest>

using Access = RightsTable::Access;

namespace {
enum class Need { None, Any, OwnOr, Super };

struct Expect
{
    const char *action;
    Need need;
    const char *column; // the right column for Any and OwnOr
};

// Who may do what, written out independently of the table in the program.
const Expect Expected[] = {
    {"维修登记", Need::Any, "维修登记"},       {"返修处理", Need::Any, "维修登记"},
    {"检测报价", Need::OwnOr, "检修报价"},     {"维修处理", Need::OwnOr, "维修处理"},
    {"结算收费", Need::Any, "结算收费"},       {"已经结单", Need::Any, "维修查询"},
    {"处理中业务", Need::Any, "维修查询"},     {"业务查询", Need::OwnOr, "维修查询"},
    {"当天业务", Need::OwnOr, "维修查询"},     {"当月业务", Need::OwnOr, "维修查询"},
    {"已结束业务", Need::OwnOr, "维修查询"},   {"返修业务", Need::OwnOr, "维修查询"},
    {"商品出售", Need::Any, "销售操作"},       {"退换处理", Need::Any, "销售操作"},
    {"销售查询", Need::Any, "销售查询"},       {"退换查询", Need::Any, "销售查询"},
    {"待回访", Need::Any, "回访操作"},         {"历史回访", Need::Any, "回访查询"},
    {"回访设置", Need::Super, nullptr},        {"客户资料", Need::Any, "客户资料查询"},
    {"当前库存", Need::Any, "库存查询"},       {"入库单", Need::Any, "库存查询"},
    {"出库单", Need::Any, "库存查询"},         {"配件入库", Need::Any, "入库操作"},
    {"配件出库", Need::Any, "出库操作"},       {"客户分类目录", Need::Any, "基本信息查询"},
    {"配件分类目录", Need::Any, "基本信息查询"}, {"客户目录", Need::Any, "基本信息查询"},
    {"配件目录", Need::Any, "基本信息查询"},   {"供应商目录", Need::Any, "基本信息查询"},
    {"技术员目录", Need::Any, "基本信息查询"}, {"回访员目录", Need::Any, "基本信息查询"},
    {"配件价格目录", Need::Any, "基本信息查询"}, {"维修物类别目录", Need::Any, "基本信息查询"},
    {"维修物品牌目录", Need::Any, "基本信息查询"}, {"维修项目目录", Need::Any, "基本信息查询"},
    {"故障描述目录", Need::Any, "基本信息查询"}, {"其它约定", Need::Any, "基本信息查询"},
    {"当前基本情况", Need::Any, "查看统计"},   {"月配件销售排行", Need::Any, "查看统计"},
    {"月度经营历程", Need::Any, "查看统计"},   {"月客户排行", Need::Any, "查看统计"},
    {"客户情况统计", Need::Any, "查看统计"},   {"回访员排行", Need::Any, "查看统计"},
    {"技术员排行", Need::OwnOr, "查看统计"},
    // Tree groups that open nothing need no right (one of them shares a panel button's caption).
    {"维修业务", Need::None, nullptr},         {"商品销售", Need::None, nullptr},
    {"客户回访", Need::None, nullptr},         {"配件库存", Need::None, nullptr},
    {"统计分析", Need::None, nullptr},         {"基本信息", Need::None, nullptr},
    // Business panel: two buttons test only their own right, without the technician view.
    {"面板/维修登记", Need::Any, "维修登记"},  {"面板/检测报价", Need::Any, "检修报价"},
    {"面板/收费结算", Need::Any, "结算收费"},  {"面板/维修处理", Need::Any, "维修处理"},
    {"面板/商品出售", Need::Any, "销售操作"},  {"面板/当前库存", Need::Any, "库存查询"},
    {"面板/客户回访", Need::Any, "回访操作"},
    // Welcome screen links.
    {"RepairReg", Need::Any, "维修登记"},      {"RepairCheck", Need::Any, "检修报价"},
    {"RepairDealWith", Need::Any, "维修处理"}, {"RepairCharge", Need::Any, "结算收费"},
    {"StockWarning", Need::Any, "库存查询"},   {"ViewStock", Need::Any, "库存查询"},
    // Menu.
    {"系统初始化", Need::Super, nullptr},      {"数据恢复", Need::Super, nullptr},
    {"用户管理", Need::Super, nullptr},        {"权限分配", Need::Super, nullptr},
    {"编号设置", Need::Super, nullptr},        {"后台数据库", Need::Any, "后台数据库"},
    {"数据备份", Need::None, nullptr},         {"计算器", Need::None, nullptr},
    {"压缩数据库", Need::None, nullptr},       {"设置欢迎界面", Need::None, nullptr},
    {"设置备份路径", Need::None, nullptr},     {"关于", Need::None, nullptr},
    {"帮助", Need::None, nullptr},             {"意见反馈", Need::None, nullptr},
    // Inside screens.
    {"基本信息编辑", Need::Any, "基本信息编辑"}, {"更新库存", Need::Super, nullptr},
    {"更新", Need::Super, nullptr},
};

quint32 bitOf(const char *column)
{
    const int i = Rights::columnNames().indexOf(QString::fromUtf8(column));
    Q_ASSERT(i >= 0);
    return 1u << i;
}

Access expected(const Expect &e, quint32 word)
{
    if (word == Rights::SuperUser)
        return Access::Full;
    switch (e.need) {
    case Need::None:
        return Access::Full;
    case Need::Super:
        return Access::Denied;
    case Need::Any:
        return (word & bitOf(e.column)) ? Access::Full : Access::Denied;
    case Need::OwnOr:
        if (word & bitOf(e.column))
            return Access::Full;
        return (word & quint32(Right::TechnicianView)) ? Access::OwnOnly : Access::Denied;
    }
    return Access::Denied;
}
} // namespace

class TestRights : public QObject
{
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<quint32>("word");
        QTest::addColumn<int>("access");
        for (const Expect &e : Expected) {
            QList<QPair<QString, quint32>> words = {{QStringLiteral("super user"), Rights::SuperUser},
                                                    {QStringLiteral("no rights"), 0u},
                                                    {QStringLiteral("all nineteen, not super"), (1u << 19) - 1}};
            for (int i = 0; i < Rights::Count; ++i)
                words.append({QStringLiteral("only ") + Rights::columnNames()[i], 1u << i});
            for (const auto &[who, word] : words)
                QTest::addRow("%s / %s", e.action, qPrintable(who))
                    << QString::fromUtf8(e.action) << word << int(expected(e, word));
        }
    }
    void table()
    {
        QFETCH(QString, action);
        QFETCH(quint32, word);
        QFETCH(int, access);
        QCOMPARE(int(RightsTable::access(action, word)), access);
        QCOMPARE(RightsTable::allows(action, word), access != int(Access::Denied));
    }

    // Every action the program's table names is one written out above, so nothing has a right
    // nobody checked.
    void everyActionIsExpected()
    {
        QStringList listed;
        for (const Expect &e : Expected)
            listed << QString::fromUtf8(e.action);
        for (const QString &a : RightsTable::actions())
            QVERIFY2(listed.contains(a), qPrintable(a));
    }

    void technicianViewAlone()
    {
        const quint32 tech = quint32(Right::TechnicianView);
        for (const char *a : {"检测报价", "维修处理", "业务查询", "当天业务", "当月业务", "已结束业务", "返修业务", "技术员排行"})
            QCOMPARE(RightsTable::access(QString::fromUtf8(a), tech), Access::OwnOnly);
        for (const char *a : {"处理中业务", "已经结单", "面板/检测报价", "面板/维修处理", "RepairCheck"})
            QCOMPARE(RightsTable::access(QString::fromUtf8(a), tech), Access::Denied);
    }

    void bitsFollowTheColumnOrder()
    {
        QCOMPARE(Rights::columnNames().size(), Rights::Count);
        QCOMPARE(bitOf("维修登记"), quint32(Right::RepairRegister));
        QCOMPARE(bitOf("客户资料编辑"), quint32(Right::CustomerEdit));
        QCOMPARE(bitOf("技术员视图"), quint32(Right::TechnicianView));
        QCOMPARE(RightsTable::DeniedMessage, QStringLiteral("您没有此项操作权限！"));
    }
};

QTEST_GUILESS_MAIN(TestRights)
#include "tst_rights.moc"
