#include "data/db/SampleShopGenerator.h"

#include "core/app/DateText.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

#include <QSqlError>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Days = 3650;

// A numbers table n = 1..rows, as a recursive common table expression.
const QString Seq = QStringLiteral("seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < :rows)");

// A pseudo-random number in [0, 2^31 - 1) for row n and a salt: the same for the same row every
// time (the generator is repeatable), unrelated between salts.
QString rnd(int salt)
{
    const QString x = QStringLiteral("((n * 16807 + %1) % 2147483647)").arg(qint64(salt) * 1000003 + 12345);
    return QStringLiteral("((%1 * %1 % 2147483647) * 48271 % 2147483647 + %1) % 2147483647").arg(x);
}

// The first r1..rCount random columns of row n, for the statements below.
QString randomColumns(int count, int saltBase)
{
    QStringList cols;
    for (int i = 1; i <= count; ++i)
        cols << rnd(saltBase + i) + QStringLiteral(" AS r%1").arg(i);
    return cols.join(QStringLiteral(", "));
}

QString quote(const QString &s)
{
    return u'\'' + QString(s).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// One of words, chosen by the integer expression.
QString pick(const QStringList &words, const QString &index)
{
    QString sql = QStringLiteral("CASE (%1) % %2").arg(index).arg(words.size());
    for (int i = 0; i < words.size(); ++i)
        sql += QStringLiteral(" WHEN %1 THEN %2").arg(i).arg(quote(words[i]));
    return sql + QStringLiteral(" END");
}

// One of words, the first ones more often (the smaller of two choices).
QString pickSkewed(const QStringList &words, const QString &a, const QString &b)
{
    const int n = int(words.size());
    return pick(words, QStringLiteral("min((%1) % %3, (%2) % %3)").arg(a, b).arg(n));
}

// One character of chars.
QString pickChar(const QString &chars, const QString &index)
{
    return QStringLiteral("substr(%1, 1 + (%2) % %3, 1)").arg(quote(chars), index).arg(chars.size());
}

QStringList words(const char *spaceSeparated)
{
    return QString::fromUtf8(spaceSeparated).split(u' ', Qt::SkipEmptyParts);
}

const QString Surnames = QString::fromUtf8(
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢"
    "姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤");
const QStringList CompoundSurnames = words("欧阳 司马 诸葛 上官 东方 慕容 皇甫 令狐");
const QString GivenChars = QString::fromUtf8(
    "伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂玉萍华红梅鑫斌宇浩凯秀云辉建国志鹏飞波宁雪琳晶婷倩"
    "欣怡子涵梓轩雨泽思远嘉文博俊峰彬立新海燕小龙春生金凤德胜永福文静晓东晨阳佳琪振宏亮光家豪");
const QStringList Cities = words("北京 上海 广州 深圳 杭州 南京 武汉 成都 西安 重庆 天津 苏州 长沙 郑州 沈阳 "
                                 "青岛 济南 合肥 福州 厦门 昆明 南宁 乌鲁木齐 呼和浩特 石家庄 哈尔滨");
const QStringList CompanyWords = words("华信 长城 东方 新世纪 宏达 金桥 联创 恒通 天宇 瑞丰 博雅 中科 远航 "
                                       "鑫源 万达 海纳 星光 汇丰 盛世 嘉禾 锦程 腾飞 银河 和平");
const QStringList CompanyKinds = words("科技有限公司 电脑公司 贸易有限责任公司 实验中学 人民医院 建筑设计研究院 "
                                       "街道办事处 网吧 图书馆 会计师事务所 物流有限公司 房地产开发有限公司 "
                                       "职业技术学院 小学 商贸城 酒店");
const QStringList Roads = words("中山路 人民路 解放路 建设路 和平路 新华路 长江路 黄河路 文化路 胜利路 "
                                "科技园南路 高新区创业大道");
const QStringList Classes = words("普通客户 VIP客户 单位客户 学校 医院 政府机关 网吧 其他");
const QStringList Technicians = words("王师傅 李工 张建军 刘伟 陈晓东 杨帆 黄志强 赵磊 吴刚 周杰 徐明 孙浩 "
                                      "马超 朱峰 胡斌 郭亮 何鹏 高翔 林涛 欧阳振宇");
const QStringList Operators = words("前台小王 李丽 张敏 刘芳 管理员");
const QStringList FollowUpStaff = words("赵丽 钱芳 孙静 李娜 周婷 吴倩");
const QStringList ItemKinds = words("笔记本电脑 台式机 打印机 显示器 投影仪 手机 平板电脑 复印机 扫描仪 "
                                    "路由器 服务器 UPS电源 传真机 一体机 移动硬盘");
const QStringList ItemCategories = words("笔记本 台式机 打印机 显示器 投影仪 手机 平板 复印机 扫描仪 网络设备 "
                                         "服务器 电源 传真机 一体机 存储设备");
const QStringList Brands = words("联想 惠普 戴尔 华硕 宏碁 苹果 三星 佳能 爱普生 兄弟 华为 小米 明基 "
                                 "东芝 索尼 方正 清华同方 神舟");
const QStringList Faults = words("不开机 开机黑屏 自动关机 蓝屏死机 无法进入系统 屏幕有亮线 键盘失灵 "
                                 "打印有黑线 卡纸 不进纸 无法联网 充电无反应 风扇噪音大 硬盘异响 花屏 "
                                 "进水 摔坏外壳 触摸失灵 无声音 电池鼓包");
const QStringList Summaries = words("更换主板 更换屏幕 清洁风扇并更换硅脂 重装系统 更换硬盘并恢复数据 "
                                    "更换键盘 更换定影组件 更换搓纸轮 更换电源适配器 更换电池 "
                                    "清洗主板并烘干 焊接接口 升级内存 调整驱动 无故障，客户使用不当");
const QStringList Accessories = words("无 电源线 电源适配器 包 数据线 电池 鼠标 说明书 光盘");
const QStringList PartKinds = words("内存条 硬盘 固态硬盘 主板 显卡 电源 液晶屏 键盘 鼠标 风扇 电池 "
                                    "硒鼓 墨盒 定影组件 搓纸轮 网卡 光驱 CPU 散热器 机箱 数据线 充电器");
const QStringList PartBrands = words("金士顿 希捷 西部数据 三星 技嘉 华硕 七彩虹 航嘉 长城 罗技 "
                                     "双飞燕 惠普 佳能 爱普生 英特尔 超微 酷冷至尊 绿联");
const QStringList PartModels = words("标准 8G 16G 500G 1TB 2TB DDR4 DDR3 15.6寸 14寸 65W 90W 黑色 白色 "
                                "A4 通用型 原装 兼容");
const QStringList Suppliers = words("华强电子 中关村科贸 赛格电脑城 百脑汇 太平洋电脑城 京东企业购 本地代理");

// The day of row n, 1 to Days days before today, from two random columns. A shop that grew: three
// times the business of ten years ago, about a hundred numbers a day now; eight busy days (a school
// or a firm bringing its machines) with several thousand; no business on one weekday in seven.
QString daysAgo(const QString &r, const QString &s)
{
    const QString u = QStringLiteral("((%1) % 1000000 / 1000000.0)").arg(r);
    const QString v = QStringLiteral("((%1) % 1000000 / 1000000.0)").arg(s);
    // Recency x in [0, 1): uniform half the time, the larger of two uniforms otherwise (density
    // 0.5 + x).
    const QString x = QStringLiteral("(CASE WHEN (%1) % 2 = 0 THEN %2 ELSE max(%2, %3) END)").arg(s, u, v);
    const QString spread = QStringLiteral("(1 + CAST(%1 * (1 - %2) AS INTEGER))").arg(Days - 1).arg(x);
    const QString busy = pick({"6", "45", "210", "530", "1010", "1790", "2620", "3370"}, QStringLiteral("(%1) / 100").arg(s));
    const QString d = QStringLiteral("(CASE WHEN (%1) % 100 < 6 THEN CAST(%2 AS INTEGER) ELSE %3 END)").arg(s, busy, spread);
    return QStringLiteral("(CASE WHEN %1 % 7 = 3 THEN CASE WHEN %1 < %2 THEN %1 + 1 ELSE %1 - 1 END ELSE %1 END)").arg(d).arg(Days);
}

QString dayText(const QString &daysAgoColumn)
{
    return QStringLiteral("date(:today, '-' || %1 || ' days')").arg(daysAgoColumn);
}

QString stemOf(const QString &daysAgoColumn)
{
    return QStringLiteral("substr(strftime('%Y%m%d', date(:today, '-' || %1 || ' days')), 3)").arg(daysAgoColumn);
}

QString personName(const QString &a, const QString &b, const QString &c, const QString &d)
{
    return QStringLiteral("(CASE WHEN (%1) % 50 = 0 THEN %2 ELSE %3 END || %4 || CASE WHEN (%5) % 3 > 0 THEN %6 ELSE '' END)")
        .arg(a, pick(CompoundSurnames, b), pickChar(Surnames, b), pickChar(GivenChars, c), d,
             pickChar(GivenChars, QStringLiteral("(%1) / 7").arg(d)));
}

QString companyName(const QString &a, const QString &b, const QString &c)
{
    return QStringLiteral("(%1 || %2 || CASE WHEN (%4) % 3 = 0 THEN %3 ELSE '' END || %5)")
        .arg(pick(Cities, a), pick(CompanyWords, b), pick(CompanyWords, QStringLiteral("(%1) / 11").arg(b)), c,
             pick(CompanyKinds, QStringLiteral("(%1) / 13").arg(c)));
}

// A serial number of 6 to 12 letters and digits.
QString serial(const QString &r)
{
    return QStringLiteral("(%1 || substr(printf('%X', (%2) * 7 + 1048576), 1, 4 + (%2) % 7))")
        .arg(pick(words("SN C5 CN 8T 2M HX"), QStringLiteral("(%1) / 3").arg(r)), r);
}
} // namespace

void SampleShopGenerator::run(const QString &label, const QString &statement, qint64 rows)
{
    if (m_progress)
        m_progress(label);
    if (rows <= 0)
        return;
    TransactionGuard tx(m_db);
    QSqlQuery q(Sql::connection(m_db));
    if (!q.prepare(statement))
        throw DbError(label + QStringLiteral(": ") + q.lastError().text());
    if (statement.contains(QStringLiteral(":rows")))
        q.bindValue(QStringLiteral(":rows"), rows);
    if (statement.contains(QStringLiteral(":today")))
        q.bindValue(QStringLiteral(":today"), DateText::toText(m_today));
    if (!q.exec())
        throw DbError(label + QStringLiteral(": ") + q.lastError().text());
    tx.commit();
}

void SampleShopGenerator::generate(double scale, const std::function<void(const QString &)> &progress)
{
    m_progress = progress;
    auto count = [scale](qint64 full) { return std::max<qint64>(1, qint64(std::llround(full * scale))); };
    const qint64 customers = count(60000);
    const qint64 parts = count(20000);
    const qint64 jobs = count(300000);
    const qint64 sales = count(150000);
    // Today's numbers stay 2,000 at every scale: the number rules must not slow down with history.
    const qint64 todays = 2000;
    const QString stemToday = DateText::numberStem(m_today);
    // Sizes other tables refer to are written into the statements as plain numbers.
    auto sized = [&](QString body) {
        return body.replace(QStringLiteral(":customers"), QString::number(customers))
            .replace(QStringLiteral(":parts"), QString::number(parts));
    };
    // seq, then the rows of seq with random columns r1..r8 and their day d (from r9 and r10), and
    // k, the row's counter among the rows of its day.
    auto dated = [&](int salt, const QString &body) {
        return QStringLiteral("WITH RECURSIVE %1, base AS (SELECT n, %2 FROM seq), dated AS (SELECT *, %3 AS d FROM base), "
                              "numbered AS (SELECT *, row_number() OVER (PARTITION BY d ORDER BY n) AS k FROM dated) ")
                   .arg(Seq, randomColumns(10, salt), daysAgo(QStringLiteral("r9"), QStringLiteral("r10")))
            + sized(body);
    };
    auto plain = [&](int salt, const QString &body) {
        return QStringLiteral("WITH RECURSIVE %1, base AS (SELECT n, %2 FROM seq) ").arg(Seq, randomColumns(8, salt))
            + sized(body);
    };
    Sql::exec(m_db, QStringLiteral("PRAGMA synchronous = OFF"));

    run(QStringLiteral("客户分类"), plain(0, QStringLiteral(
        "INSERT INTO 客户分类 (客户类别, 是否回访) SELECT %1, n % 2 FROM base").arg(pick(Classes, QStringLiteral("n - 1")))),
        Classes.size());
    run(QStringLiteral("技术员目录"), plain(10, QStringLiteral(
        "INSERT INTO 技术员目录 (技术员, 联系电话) SELECT %1, '139' || substr('0000000' || r1, -8) FROM base")
        .arg(pick(Technicians, QStringLiteral("n - 1")))), Technicians.size());
    run(QStringLiteral("回访员"), plain(20, QStringLiteral(
        "INSERT INTO 回访员 (回访员, 联系电话) SELECT %1, '137' || substr('0000000' || r1, -8) FROM base")
        .arg(pick(FollowUpStaff, QStringLiteral("n - 1")))), FollowUpStaff.size());
    run(QStringLiteral("供应商目录"), plain(30, QStringLiteral(
        "INSERT INTO 供应商目录 (供应商名称, 联系人, 联系电话) SELECT %1, %2, '0' || (r3 % 900 + 100) || '-' || (r4 % 90000000 + 10000000) "
        "FROM base").arg(pick(Suppliers, QStringLiteral("n - 1")), personName("r1", "r2", "r5", "r6"))), Suppliers.size());

    // The small catalogs the pick lists and the part picker read.
    for (const auto &[table, column, list] :
         {std::tuple{"类别目录", "类别", PartKinds}, std::tuple{"维修物类别目录", "类别", ItemCategories},
          std::tuple{"品牌目录", "品牌", Brands}, std::tuple{"故障描述", "故障描述", Faults},
          std::tuple{"维修情况", "维修情况", words("等配件 已修好 检测中 待客户确认")}}) {
        run(QString::fromUtf8(table), plain(50, QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM base")
                                                    .arg(QString::fromUtf8(table), QString::fromUtf8(column),
                                                         pick(list, QStringLiteral("n - 1")))),
            list.size());
    }

    // Customers: seven in ten are persons (two to four characters), the rest organisations
    // (six to twenty characters and more).
    run(QStringLiteral("客户目录"), dated(100, QStringLiteral(
        "INSERT INTO 客户目录 (类别, 客户名称, 客户单位, 联系人, 物资主管, 联系电话, 地址, 邮编, 电子邮件, 税号, 账号, "
        "登记时间, 备注) "
        "SELECT %1, CASE WHEN r1 % 10 < 7 THEN %2 ELSE %3 END, CASE WHEN r1 % 10 >= 7 OR r6 % 4 = 0 THEN %3 END, "
        "CASE WHEN r1 % 10 >= 7 THEN %4 END, CASE WHEN r1 % 10 >= 7 AND r2 % 2 = 0 THEN %4 END, "
        "'1' || (30 + r6 % 60) || substr('0000000' || r7, -8), "
        "%5 || %6 || (r4 % 300 + 1) || '号', (r5 % 90 + 10) || '0000', "
        "CASE WHEN r3 % 10 < 3 THEN 'kf' || (r3 % 100000) || CASE WHEN r4 % 2 = 0 THEN '@163.com' ELSE '@qq.com' END END, "
        "CASE WHEN r1 % 10 >= 7 THEN '91' || substr('000000000' || r5, -9) || substr('0000000' || r6, -7) END, "
        "CASE WHEN r1 % 10 >= 7 THEN '6222' || substr('00000000' || r7, -8) || substr('000' || (r8 % 10000), -4) END, "
        "%7, CASE WHEN r7 % 20 = 0 THEN '老客户，' || %8 END FROM dated ORDER BY d DESC, n")
        .arg(pickSkewed(Classes, "r1", "r2"), personName("r2", "r3", "r4", "r5"), companyName("r3", "r4", "r5"),
             personName("r6", "r7", "r2", "r3"), pick(Cities, "r4"), pick(Roads, "r5"), dayText("d"),
             pick(words("付款及时 要求上门 只收现金 需开发票 联系时请找前台"), "r3"))), customers);

    run(QStringLiteral("配件目录"), plain(200, QStringLiteral(
        "INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存, 销售价, 维修更换价, 本月售出, 排行) "
        "SELECT 'P' || substr('000000' || n, -6), %1 || ' ' || %2, %3, %2, %4, r4 % 10, "
        "(r5 % 2000 + 10) * 10000 + (r6 % 4) * 2500, (r5 % 2000 + 25) * 10000, 0, 0 FROM base")
        .arg(pick(PartBrands, "r1"), pick(PartKinds, "r2"), pick(PartModels, "r3"), pick(words("个 条 块 只 套 台"), "r2"))), parts);
    run(QStringLiteral("库存"), QStringLiteral(
        "INSERT INTO 库存 (编号, 名称, 类别, 规格, 单位, 库存, 警戒库存, 供货商, 进货单价, 保修期, 备注, 配件申请) "
        "SELECT 配件编号, 配件名称, 类别, 规格, 单位, 流水号 % 50 - 3, 警戒库存, %1, 销售价 * 7 / 10, "
        "CASE WHEN 流水号 % 3 = 0 THEN '三个月' WHEN 流水号 % 3 = 1 THEN '一年' END, '', 0 FROM 配件目录 WHERE :rows > 0")
        .arg(pick(Suppliers, QStringLiteral("流水号"))), parts);

    // Repair jobs, written in the order they came in. Jobs older than two months have ended or
    // were cancelled; recent ones are in every state. One in fifty is a rework.
    const QString state = QStringLiteral(
        "CASE WHEN d > 60 THEN CASE WHEN r2 % 100 < 95 THEN '已结束' ELSE '已取消' END "
        "ELSE CASE WHEN r2 % 100 < 55 THEN '已结束' WHEN r2 % 100 < 59 THEN '已取消' WHEN r2 % 100 < 70 THEN '待检测' "
        "WHEN r2 % 100 < 82 THEN '待维修' WHEN r2 % 100 < 91 THEN '待结算' ELSE '待收费' END END");
    const QString kind = QStringLiteral("min(r3 % %1, r4 % %1)").arg(ItemKinds.size());
    run(QStringLiteral("维修"), dated(300, QStringLiteral(
        ", jobs AS (SELECT *, %1 AS state, %2 AS kind FROM numbered) "
        "INSERT INTO 维修 (业务编号, 接修日期, 接修时间, 经办人, 客户, 物件名称, 物件编号, 随机附件, 维修物类别, 维修物品牌, "
        "故障描述, 送修类别, 服务方式, 保内, 技术员, 当前状态, 配件费用, 维修费用, 附加费用, 费用合计, 预付款, 实际收费, "
        "收费方式, 发票号码, 配件成本, 毛利, 返回日期, 已经派工, 客户确认, 维修情况, 维修小结, 取消维修原因, 是否返修, 退款, 备注) "
        "SELECT 'wx-' || %3 || '-' || k, %4, substr('0' || (8 + r5 % 11), -2) || ':' || substr('0' || r6 % 60, -2) || ':00', "
        "%5, (SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1 + r1 % :customers), "
        "CASE WHEN r5 % 3 = 0 THEN %6 ELSE %7 || %6 END, CASE WHEN r6 % 5 > 0 THEN %8 END, %9, %10, %7, "
        "%11 || CASE WHEN r7 % 4 = 0 THEN '，' || %12 ELSE '' END || CASE WHEN r7 % 16 = 0 THEN '，客户说明：使用中突然出现，之前曾在别处维修过一次，要求尽快修好并保留原有数据' ELSE '' END, "
        "CASE WHEN r5 % 4 = 0 THEN '上门维修' ELSE '送修' END, CASE WHEN r5 % 4 = 0 THEN '上门' ELSE '到店' END, "
        "CASE WHEN r6 % 7 = 0 THEN 1 ELSE 0 END, %13, state, "
        "(r3 % 60) * 50000, (r4 % 40 + 3) * 50000, CASE WHEN r5 % 9 = 0 THEN 200000 ELSE 0 END, "
        "(r3 % 60) * 50000 + (r4 % 40 + 3) * 50000 + CASE WHEN r5 % 9 = 0 THEN 200000 ELSE 0 END, "
        "CASE WHEN r6 % 5 = 0 THEN 1000000 ELSE 0 END, "
        "CASE WHEN state = '已结束' THEN (r3 % 60) * 50000 + (r4 % 40 + 3) * 50000 END, "
        "CASE WHEN state = '已结束' THEN CASE WHEN r7 % 3 = 0 THEN '转账' ELSE '现金' END END, "
        "CASE WHEN state = '已结束' AND r8 % 5 = 0 THEN substr('0000000' || (r6 % 100000000), -8) END, "
        "(r3 % 60) * 35000, CASE WHEN state = '已结束' THEN (r4 % 40 + 3) * 50000 + (r3 % 60) * 15000 END, "
        "CASE WHEN state IN ('已结束', '已取消') THEN %14 END, CASE WHEN r5 % 4 = 0 THEN 1 ELSE 0 END, 1, "
        "CASE WHEN state <> '待检测' THEN %15 END, CASE WHEN state IN ('已结束', '待结算', '待收费') THEN %16 END, "
        "CASE WHEN state = '已取消' THEN %17 END, CASE WHEN r2 % 50 = 7 THEN '是' END, "
        "CASE WHEN r2 % 50 = 7 AND r3 % 2 = 0 THEN 100000 END, "
        "CASE WHEN r8 % 10 = 0 THEN %18 END "
        "FROM jobs ORDER BY d DESC, k")
        .arg(state, kind, stemOf("d"), dayText("d"), pickSkewed(Operators, "r2", "r6"), pick(ItemKinds, "kind"),
             pickSkewed(Brands, "r5", "r7"), serial("r6"), pick(Accessories, "r7"), pick(ItemCategories, "kind"),
             pick(Faults, "r8"))
        .arg(pick(Faults, "r3"), pickSkewed(Technicians, "r4", "r7"),
             dayText(QStringLiteral("max(1, d - r6 % 15)")), pick(words("等配件 已修好 检测中 待客户确认"), "r4"),
             pick(Summaries, "r7"), pick(words("客户不修了 价格太高 无法修复 配件停产"), "r5"),
             pick(words("客户急用 已电话通知 配件已订 保修期内 客户要求保留数据 加急"), "r3"))), jobs);
    run(QStringLiteral("维修 today"), plain(400, QStringLiteral(
        "INSERT INTO 维修 (业务编号, 接修日期, 经办人, 客户, 物件名称, 当前状态, 技术员) "
        "SELECT 'wx-%1-' || n, :today, %2, (SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1 + r1 % :customers), %3, '待检测', %4 "
        "FROM base").arg(stemToday, pick(Operators, "r2"), pick(ItemKinds, "r3"), pickSkewed(Technicians, "r4", "r5"))),
        todays);

    // Part lines: none to four per job, two on average; most carry a serial number.
    run(QStringLiteral("配件"), sized(QStringLiteral(
        "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 4), "
        "lines AS (SELECT w.业务编号 AS number, w.rowid * 5 + i AS n, i FROM 维修 w, k WHERE i <= (w.rowid * 7919) % 5 AND :rows > 0), "
        "base AS (SELECT number, i, %1 FROM lines) "
        "INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计, SN) "
        "SELECT number, 'P' || substr('000000' || (1 + r1 % :parts), -6), %2, 1 + r2 % 2, (r3 % 80 + 2) * 50000, "
        "(1 + r2 % 2) * (r3 % 80 + 2) * 50000, CASE WHEN r4 % 10 < 7 THEN %3 ELSE '' END FROM base")
        .arg(randomColumns(5, 500), pick(PartKinds, "r1"), serial("r5"))), jobs);

    // Stock bills: one to nine lines a bill, five on average, numbered per day.
    const qint64 bills = count(100000);
    for (const auto &[table, prefix, reason, extra, extraValue] :
         {std::tuple{QStringLiteral("入库单"), QStringLiteral("rk-"), pick(words("采购 采购 采购 退货 调拨"), "r2"),
                     QStringLiteral("供应商, 入库原因, 进货单价, 金额"), QStringLiteral("%1, reason, price, price * qty")},
          std::tuple{QStringLiteral("出库单"), QStringLiteral("ck-"), pick(words("维修更换 维修更换 售出 换货 领用"), "r2"),
                     QStringLiteral("出库原因"), QStringLiteral("reason")}}) {
        const QString supplier = pick(Suppliers, QStringLiteral("r3"));
        run(table, dated(table == u"入库单" ? 600 : 700, QStringLiteral(
            ", bills AS (SELECT *, %1 AS reason FROM numbered), k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 9), "
            "lines AS (SELECT bills.*, i, 1 + (r4 + i) % 5 AS qty, ((r5 + i * 7) % 800 + 5) * 10000 AS price FROM bills, k "
            "WHERE i <= 1 + (r6 % 9)) "
            "INSERT INTO %2 (单据编号, 填单时间, 经办人, 编号, 配件名称, 所属类别, 规格, 单位, 数量, 保修期, %3) "
            "SELECT '%4' || %5 || '-' || k, %6, %7, 'P' || substr('000000' || (1 + (r7 + i * 131) % :parts), -6), "
            "%8, %9, '', '个', qty, '', %10 FROM lines ORDER BY d DESC, k, i")
            .arg(reason, table, extra, prefix, stemOf("d"), dayText("d"), pickSkewed(Operators, "r1", "r2"),
                 pick(PartKinds, "r7 + i"), pick(PartKinds, "r7 + i"),
                 extraValue.contains(QStringLiteral("%1")) ? QString(extraValue).arg(supplier) : extraValue)), bills);
        run(table + QStringLiteral(" today"), sized(QStringLiteral(
            "WITH RECURSIVE %1 INSERT INTO %2 (单据编号, 填单时间, 编号, 数量) SELECT '%3%4-' || n, :today, 'P000001', 1 FROM seq")
            .arg(Seq, table, prefix, stemToday)), todays);
    }

    run(QStringLiteral("销售"), dated(800, QStringLiteral(
        "INSERT INTO 销售 (业务编号, 出库单编号, 经办人, 客户名称, 日期, 客户类别, 客户电话, 应收款, 实收款, 发票号码, 毛利, 备注) "
        "SELECT 'sc-' || %1 || '-' || k, 'ck-' || %1 || '-' || (k + 5000), %2, "
        "(SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1 + r1 % :customers), %3, %4, '1' || (30 + r6 % 60) || substr('0000000' || r7, -8), "
        "(r3 % 300 + 1) * 10000, (r3 % 300 + 1) * 10000, CASE WHEN r4 % 4 = 0 THEN substr('0000000' || (r5 % 100000000), -8) END, "
        "(r3 % 300 + 1) * 3000, CASE WHEN r5 % 12 = 0 THEN '送货上门' END FROM numbered ORDER BY d DESC, k")
        .arg(stemOf("d"), pickSkewed(Operators, "r2", "r3"), dayText("d"), pickSkewed(Classes, "r4", "r5"))), sales);
    run(QStringLiteral("销售单"), sized(QStringLiteral(
        "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 5), "
        "lines AS (SELECT s.业务编号 AS number, s.rowid * 5 + i AS n, i FROM 销售 s, k WHERE i <= 1 + (s.rowid * 7919) % 4 + (s.rowid % 7 = 0) "
        "AND :rows > 0), base AS (SELECT number, i, %1 FROM lines) "
        "INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 单位, 数量, 单价, 金额, SN, 保修期) "
        "SELECT number, 'P' || substr('000000' || (1 + r1 % :parts), -6), %2, '个', 1 + r2 % 3, (r3 % 300 + 1) * 10000, "
        "(1 + r2 % 3) * (r3 % 300 + 1) * 10000, CASE WHEN r4 % 2 = 0 THEN %3 ELSE '' END, '一年' FROM base")
        .arg(randomColumns(4, 900), pick(PartKinds, "r1"), serial("r4"))), sales);
    run(QStringLiteral("销售 today"), sized(QStringLiteral(
        "WITH RECURSIVE %1 INSERT INTO 销售 (业务编号, 出库单编号, 客户名称, 日期) SELECT 'sc-%2-' || n, 'ck-%2-' || (n + 2000), "
        "(SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1), :today FROM seq").arg(Seq, stemToday)), todays);
    run(QStringLiteral("退换"), dated(1000, QStringLiteral(
        "INSERT INTO 退换 (单据编号, 填单时间, 经办人, 客户, 退换标识, 所退配件编号, 所退配件SN, 所换配件编号, 所换配件SN, "
        "退款金额, 客户补款额, 备注) "
        "SELECT 'th-' || %1 || '-' || k, %2, %3, (SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1 + r1 % :customers), "
        "CASE WHEN r2 % 3 = 0 THEN '换' ELSE '退' END, 'P' || substr('000000' || (1 + r3 % :parts), -6), %4, "
        "CASE WHEN r2 % 3 = 0 THEN 'P' || substr('000000' || (1 + r4 % :parts), -6) END, CASE WHEN r2 % 3 = 0 THEN %5 END, "
        "CASE WHEN r2 % 3 <> 0 THEN (r5 % 200 + 1) * 10000 END, CASE WHEN r2 % 3 = 0 THEN (r5 % 50) * 10000 END, "
        "CASE WHEN r6 % 3 = 0 THEN '质量问题' END FROM numbered ORDER BY d DESC, k")
        .arg(stemOf("d"), dayText("d"), pick(Operators, "r7"), serial("r3"), serial("r4"))), count(5000));
    run(QStringLiteral("退换 today"), sized(QStringLiteral(
        "WITH RECURSIVE %1 INSERT INTO 退换 (单据编号, 填单时间, 客户) SELECT 'th-%2-' || n, :today, "
        "(SELECT 客户名称 FROM 客户目录 WHERE 流水号 = 1) FROM seq").arg(Seq, stemToday)), todays);

    // Follow-ups of ended jobs and of sales: most closed, some due or planned.
    run(QStringLiteral("回访"), sized(QStringLiteral(
        "WITH RECURSIVE %1, base AS (SELECT n, %2 FROM seq), "
        "src AS (SELECT base.*, w.业务编号 AS number, w.客户 AS customer, w.物件名称 AS item, w.接修日期 AS started, "
        "w.返回日期 AS ended FROM base JOIN 维修 w ON w.rowid = 1 + (r1 * 3) % %3) "
        "INSERT INTO 回访 (客户名称, 电话, 业务类别, 业务名称, 业务编号, 业务发生时间, 业务结束时间, 距离业务结束时间, 回访时间, "
        "回访形式, 回访员, 被回访人, 客户满意度, 客户意见, 当前状态) "
        "SELECT customer, '1' || (30 + r2 % 60) || substr('0000000' || r3, -8), CASE WHEN r4 % 4 = 0 THEN '销售' ELSE '维修' END, "
        "item, number, started, coalesce(ended, started), '7', coalesce(ended, started), %4, %5, customer, %6, "
        "CASE WHEN r6 % 6 = 0 THEN %7 END, "
        "CASE WHEN r7 % 100 < 80 THEN '已结束' WHEN r7 % 100 < 90 THEN '已过期' WHEN r7 % 100 < 95 THEN '计划中' "
        "WHEN r7 % 100 < 98 THEN '待回访' ELSE '已取消' END FROM src ORDER BY started, n")
        .arg(Seq, randomColumns(8, 1100), QString::number(std::max<qint64>(1, jobs)), pick(words("电话 上门 短信"), "r4"),
             pickSkewed(FollowUpStaff, "r5", "r8"), pick(words("满意 很满意 一般 不满意"), "r5"),
             pick(words("服务很好 维修速度慢 价格偏高 希望上门服务"), "r6"))), count(200000));
    Sql::exec(m_db, QStringLiteral("PRAGMA synchronous = FULL"));
}
