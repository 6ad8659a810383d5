#pragma once

#include "TestDatabase.h"

// A small directory in two classes, with a customer whose name holds a quote and one whose name
// holds "%" and "_", and the dealings of the first of those.
//
//   流水号 客户名称       类别      单位        主管   电话         邮箱          地址      邮编    税号    账号
//   1      张三           零售客户  海淀维修部  刘主管 13800000001  zs@mail.cn    北京海淀  100080  TAX-01  ACC-01
//   2      张氏华信公司   单位客户  华信维修部  刘经理 13800000002  hx@mail.cn    北京朝阳  100020  TAX-02  ACC-02
//   3      O'Brien        零售客户  —           —      02200000003  —             天津      300000  —       —
//   4      百分100%_折    单位客户  —           —      02200000004  —             天津南开  300100  —       —
//   5      李四           零售客户  —           —      02100000005  ls@web.cn     上海      200000  —       —
//
// Each of the directory's searches with the text in Searches finds 张三 and 张氏华信公司, one in
// each class, and no one else; but the class search, whose "客户" is in every class's name.
//
// Dealings of "O'Brien" (维修 / 当前状态 / 费用合计 / 实际收费):
//   R1 已结束 100 100    R2 已结束 50.5 50.5    R3 待结算 80 0    R4 已取消 0 5
// one sale S1 of 20 received, returned once; a job R9 of "O'Brien张" (another name) charged 7.
// So: 4 repairs, 1 in hand, 1 sale, 1 return, 80 due, 175.5 in all.
namespace CustomerBrowserFixture {

inline const QString Retail = QStringLiteral("零售客户");
inline const QString Company = QStringLiteral("单位客户");
inline const QString Quoted = QStringLiteral("O'Brien");
inline const QString Wildcards = QStringLiteral("百分100%_折");

// Search mode and a text that matches 张三 and 张氏华信公司 only.
inline const QList<QPair<QString, QString>> Searches = {
    {QStringLiteral("按客户名称查询"), QStringLiteral("张")},     {QStringLiteral("按客户类别查询"), QStringLiteral("客户")},
    {QStringLiteral("按客户单位查询"), QStringLiteral("维修部")}, {QStringLiteral("按物资主管查询"), QStringLiteral("刘")},
    {QStringLiteral("按联系电话查询"), QStringLiteral("138")},    {QStringLiteral("按电子邮件查询"), QStringLiteral("mail.cn")},
    {QStringLiteral("按客户地址查询"), QStringLiteral("北京")},   {QStringLiteral("按客户邮编查询"), QStringLiteral("1000")},
    {QStringLiteral("按税号查询"), QStringLiteral("TAX")},        {QStringLiteral("按账号查询"), QStringLiteral("ACC")}};

inline QVariant yuan(const char *text)
{
    return qlonglong(qRound64(QByteArray(text).toDouble() * 10000));
}

inline void arrange(TestDatabase &t)
{
    t.ctx.fixedToday = QDate(2026, 3, 9);
    t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES (?, 0), (?, 0)"), {Retail, Company});
    const QList<QStringList> customers = {
        {"张三", Retail, "海淀维修部", "张先生", "刘主管", "13800000001", "010-1", "北京海淀", "100080", "zs@mail.cn", "TAX-01",
         "ACC-01", "332路", "2024-01-05", "老客户"},
        {"张氏华信公司", Company, "华信维修部", "王经理", "刘经理", "13800000002", "010-2", "北京朝阳", "100020", "hx@mail.cn",
         "TAX-02", "ACC-02", "地铁6号线", "2024-02-01", ""},
        {Quoted, Retail, "", "布莱恩", "", "02200000003", "", "天津", "300000", "", "", "", "", "2024-03-01", ""},
        {Wildcards, Company, "", "", "", "02200000004", "", "天津南开", "300100", "", "", "", "", "2024-04-01", ""},
        {"李四", Retail, "", "李先生", "", "02100000005", "", "上海", "200000", "ls@web.cn", "", "", "", "2024-05-01", ""},
    };
    for (const QStringList &c : customers) {
        QVariantList values;
        for (const QString &v : c)
            values << v;
        t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别, 客户单位, 联系人, 物资主管, 联系电话, 传真, 地址, 邮编, "
                              "电子邮件, 税号, 账号, 乘车路线, 登记时间, 备注) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               values);
    }

    const auto job = [&t](const char *number, const QString &customer, const char *state, const char *total,
                          const char *charged, const char *ended) {
        t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 客户, 当前状态, 费用合计, 实际收费, 接修日期, 返回日期, 经办人, 物件名称, 技术员) "
                              "VALUES (?, ?, ?, ?, ?, '2026-01-10', ?, '刘前台', '笔记本', '陈工')"),
               {QString::fromUtf8(number), customer, QString::fromUtf8(state), yuan(total), yuan(charged),
                ended ? QVariant(QString::fromUtf8(ended)) : QVariant()});
    };
    job("R1", Quoted, "已结束", "100", "100", "2026-01-20");
    job("R2", Quoted, "已结束", "50.5", "50.5", "2026-02-20");
    job("R3", Quoted, "待结算", "80", "0", nullptr);
    job("R4", Quoted, "已取消", "0", "5", nullptr);
    job("R9", QStringLiteral("O'Brien张"), "已结束", "7", "7", "2026-02-21");
    t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号, 经办人, 客户名称, 日期, 应收款, 实收款) "
                          "VALUES ('S1', 'ck-1', '刘前台', ?, '2026-02-01', ?, ?)"),
           {Quoted, yuan("20"), yuan("20")});
    t.exec(QStringLiteral("INSERT INTO 退换 (单据编号, 客户, 退换标识) VALUES ('th-1', ?, '退货')"), {Quoted});
    for (const auto &[key, value] : QList<QPair<QString, QString>>{{"公司名称", "好修店"}, {"公司地址", "北京西城"}, {"公司邮编", "100032"}})
        t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = ? WHERE 标识 = ?"), {value, key});
}

} // namespace CustomerBrowserFixture
