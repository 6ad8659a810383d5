#include "data/maintenance/OlderDataImport.h"

#include "core/app/Right.h"
#include "data/db/ColumnMap.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"
#include "data/maintenance/OlderDataReader.h"

#include <QSqlError>

namespace {

// How an older value goes into its column.
enum class Copy {
    Text,       // converted from its text to the column's type; an empty value is not copied
    EvenEmpty,  // the same, an empty value included
    Currency,   // a money amount; empty counts as 0
    YesNo,      // a yes/no value; empty counts as no
};

struct Column
{
    const char *name;
    Copy copy = Copy::Text;
};

struct Fixed
{
    const char *name;
    QVariant value;
};

// One table of the copy, in order. Without a table only its progress text is shown.
struct Step
{
    const char *progress;
    const char *table = nullptr;
    QList<Column> columns = {};
    QList<Fixed> fixed = {};
    bool settings = false; // the settings: the current rows go first, the pick-up term row last
};

QList<Column> texts(std::initializer_list<const char *> names)
{
    QList<Column> columns;
    for (const char *n : names)
        columns << Column{n};
    return columns;
}

QList<Step> steps()
{
    QList<Column> operators{{"用户名", Copy::EvenEmpty}, {"密码", Copy::EvenEmpty}, {"姓名", Copy::EvenEmpty}};
    static const QList<QByteArray> rights = [] {
        QList<QByteArray> r;
        for (const QString &name : Rights::columnNames())
            if (name != QStringLiteral("技术员视图"))
                r << name.toUtf8();
        return r;
    }();
    for (const QByteArray &r : rights)
        operators << Column{r.constData(), Copy::YesNo};

    QList<Column> customers = texts({"客户名称", "客户单位", "联系人", "物资主管", "联系电话", "传真", "电子邮件",
                                     "地址", "邮编", "备注"});
    customers.prepend({"登记时间", Copy::EvenEmpty});
    customers.prepend({"类别", Copy::EvenEmpty});

    QList<Column> sales = texts({"业务编号", "出库单编号", "经办人", "客户名称", "日期", "客户类别", "客户电话",
                                 "应收款", "实收款", "发票号码", "备注"});
    sales << Column{"毛利", Copy::Currency};

    QList<Column> repairs = texts({"业务编号", "接修日期", "经办人", "客户", "物件名称", "物件编号", "随机附件",
                                   "故障描述", "配件费用", "维修费用", "附加费用", "服务方式", "当前状态", "费用合计",
                                   "预付款", "实际收费", "发票号码", "出库单据", "返回日期", "备注"});
    repairs << Column{"配件成本", Copy::Currency} << Column{"毛利", Copy::Currency};

    return {
        {"升级出库单信息...", "出库单",
         texts({"单据编号", "填单时间", "经办人", "配件名称", "编号", "规格", "单位", "数量", "保修期", "出库原因", "备注"})},
        {"升级供应商目录信息...", "供应商目录",
         texts({"供应商名称", "联系人", "联系电话", "传真", "地址", "邮编", "电子邮件", "网址", "备注"})},
        {"升级基本配置信息...", "基本信息", texts({"标识", "值"}), {}, true},
        {"升级记事本信息...", "记事本", texts({"记事时间", "主题", "内容", "记事人"})},
        {"升级客户分类信息..."},
        {"升级客户目录...", "客户目录", customers},
        {"升级客户排行信息..."},
        {"升级库存信息...", "库存",
         texts({"类别", "编号", "名称", "规格", "单位", "库存", "警戒库存", "供货商", "进货单价", "保修期", "备注"}),
         {{"配件申请", qlonglong(0)}}},
        {"升级配件类别目录...", "类别目录", texts({"类别"})},
        {"升级配件/SN信息...", "配件", texts({"单据编号", "配件编号", "配件", "数目", "单价", "SN"})},
        {"升级配件目录...", "配件目录",
         texts({"配件编号", "配件名称", "规格", "类别", "单位", "警戒库存", "销售价", "维修更换价", "本月售出", "排行"})},
        {"升级入库单信息...", "入库单",
         texts({"单据编号", "填单时间", "经办人", "供应商", "配件名称", "编号", "所属类别", "规格", "SN", "单位", "数量",
                "进货单价", "金额", "保修期", "入库原因", "备注"})},
        {"升级商品退货信息...", "退换",
         texts({"单据编号", "填单时间", "经办人", "所退配件编号", "所退配件SN", "所换配件编号", "所换配件SN",
                "退款金额", "客户补款额", "退换标识", "客户", "备注"})},
        {"升级销售信息...", "销售单",
         texts({"单据编号", "商品编号", "商品名称", "单位", "数量", "单价", "金额", "SN", "保修期", "备注"})},
        {"升级销售信息...", "销售", sales},
        {"升级技术员信息...", "技术员目录", texts({"技术员"})},
        {"升级回访员信息...", "回访员", texts({"回访员"})},
        {"升级回访信息...", "回访",
         texts({"客户名称", "电话", "业务类别", "业务名称", "业务发生时间", "业务结束时间", "距离业务结束时间",
                "回访时间", "回访形式", "回访员", "被回访人", "客户满意度", "客户意见", "当前状态", "业务编号"})},
        {"升级用户管理信息...", "用户管理", operators,
         {{"权限", QStringLiteral("超级用户")}, {"技术员视图", qlonglong(0)}}},
        {"升级月度情况信息..."},
        {"升级维修业务信息...", "维修", repairs},
    };
}

QVariant nullOf(ColumnType type)
{
    switch (type) {
    case ColumnType::Money:
    case ColumnType::Integer:
    case ColumnType::YesNo:
    case ColumnType::AutoNumber:
        return QVariant(QMetaType(QMetaType::LongLong));
    default:
        return QVariant(QMetaType(QMetaType::QString));
    }
}

// The value to write, or nullopt when the older text does not fit the column.
std::optional<QVariant> converted(const QString &text, Copy copy, ColumnType type)
{
    switch (copy) {
    case Copy::Text:
        if (text.isEmpty())
            return nullOf(type);
        return Schema::storageValue(type, text);
    case Copy::EvenEmpty:
        return Schema::storageValue(type, text);
    case Copy::Currency:
        return Schema::storageValue(ColumnType::Money, text.trimmed().isEmpty() ? QStringLiteral("0") : text);
    case Copy::YesNo:
        return Schema::storageValue(ColumnType::YesNo, text);
    }
    return std::nullopt;
}

// How often, in rows, a table's progress is reported.
constexpr qint64 ProgressEvery = 500;
} // namespace

OlderDataImport::OlderDataImport(Database &db, const OlderDataReader &older) : m_db(db), m_older(older) {}

void OlderDataImport::run(const Progress &progress)
{
    TransactionGuard tx(m_db);
    for (const Step &step : steps()) {
        const QString text = QString::fromUtf8(step.progress);
        if (!step.table) {
            progress(text, 0, 0);
            continue;
        }
        const QString table = QString::fromUtf8(step.table);
        const qint64 total = m_older.rowCount(table);
        progress(text, 0, total);
        if (step.settings)
            Sql::exec(m_db, QStringLiteral("DELETE FROM ") + ColumnMap::quoted(table));

        QStringList names;
        QList<ColumnType> types;
        QStringList targets;
        for (const Column &c : step.columns) {
            names << QString::fromUtf8(c.name);
            types << Schema::columnType(table, names.constLast());
            targets << ColumnMap::quoted(names.constLast());
        }
        QVariantList fixedValues;
        for (const Fixed &f : step.fixed) {
            targets << ColumnMap::quoted(QString::fromUtf8(f.name));
            fixedValues << f.value;
        }
        QStringList marks;
        for (qsizetype i = 0; i < targets.size(); ++i)
            marks << QStringLiteral("?");
        // One statement for the table, prepared once, its values bound per row.
        QSqlQuery insert(Sql::connection(m_db));
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(ColumnMap::quoted(table), targets.join(QStringLiteral(", ")),
                                     marks.join(QStringLiteral(", ")))))
            throw Sql::engineError(insert.lastError());

        qint64 done = 0;
        m_older.readRows(table, names, [&](const QStringList &values) {
            for (int i = 0; i < values.size(); ++i) {
                const auto v = converted(values[i], step.columns[i].copy, types[i]);
                if (!v)
                    throw DbError(QStringLiteral("旧版数据“%1”第%2行“%3”的值“%4”不是%5。")
                                      .arg(table)
                                      .arg(done + 1)
                                      .arg(names[i], values[i], Schema::typeName(types[i])));
                insert.bindValue(i, *v);
            }
            for (int i = 0; i < fixedValues.size(); ++i)
                insert.bindValue(int(values.size()) + i, fixedValues[i]);
            if (!insert.exec())
                throw Sql::engineError(insert.lastError());
            if (++done % ProgressEvery == 0)
                progress(text, done, total);
            return true;
        });
        if (step.settings)
            Sql::exec(m_db, QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES (?, ?)"), {PickupKey, PickupValue});
        progress(text, done, total);
    }
    tx.commit();
}
