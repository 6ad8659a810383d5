// The four repair documents, filled from a real database file and read back from their PDF.
#include "PdfText.h"
#include "TestDatabase.h"
#include "data/app/ShopInfoStore.h"
#include "data/print/DocumentSources.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"
#include "print/repair/TForm_dispatchbill.h"
#include "print/repair/TForm_receipt.h"
#include "print/repair/TForm_report_fee.h"
#include "print/repair/TForm_report_repairDetail.h"
#include "ui/print/RepairDocuments.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QTest>
#include <QTimer>

namespace {
const QDate Today(2026, 12, 10);

void arrangeShop(TestDatabase &t)
{
    const QList<QPair<QString, QString>> settings = {{"公司名称", "鸿达维修中心"},
                                                     {"公司地址", "北京市海淀区中关村大街1号"},
                                                     {"公司邮编", "100080"},
                                                     {"公司电话", "010-88886666"},
                                                     {"公司传真", "010-88887777"}};
    for (const auto &[key, value] : settings)
        t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = ? WHERE 标识 = ?"), {value, key});
    t.exec(QStringLiteral("DELETE FROM 约定"));
    t.exec(QStringLiteral("INSERT INTO 约定 (取物有效期, 保修条款1, 保修条款2, 保修条款3) VALUES (?, ?, ?, ?)"),
           {"自接修之日起三个月内有效", "一、更换配件保修三个月。", "二、人为损坏不在保修之列。", "三、保修凭本清单。"});
    t.exec(QStringLiteral("INSERT INTO 客户目录 (类别, 客户名称, 客户单位, 联系人, 物资主管, 联系电话, 传真, 地址, 邮编, 电子邮件, "
                          "税号, 账号, 乘车路线, 登记时间, 备注) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
           {"单位客户", "王建国", "华信科技有限公司", "李秘书", "赵主管", "13900001111", "010-1234", "朝阳区建国路8号", "100022",
            "wang@example.com", "TAX-998", "ACC-001", "地铁1号线国贸站", "2026-01-05", "老客户"});
}

RepairJob sampleJob()
{
    RepairJob j;
    j.number = QStringLiteral("wx-261210-3");
    j.intakeDate = Today;
    j.intakeTime = QStringLiteral("14:30:00");
    j.handledBy = QStringLiteral("刘前台");
    j.customer = QStringLiteral("王建国");
    j.itemName = QStringLiteral("笔记本电脑");
    j.itemSerial = QStringLiteral("SN12345");
    j.accessories = QStringLiteral("电源适配器");
    j.itemCategory = QStringLiteral("电脑");
    j.itemBrand = QStringLiteral("联想");
    j.fault = QStringLiteral("开机黑屏");
    j.intakeKind = QStringLiteral("送修");
    j.serviceMode = QStringLiteral("上门维修");
    j.appointment = QStringLiteral("周五上午");
    j.visitTime = QStringLiteral("2026-12-12");
    j.underWarranty = true;
    j.technician = QStringLiteral("张师傅");
    j.state = QStringLiteral("已结束");
    j.partsFee = Money::fromWhole(200);
    j.labourFee = Money::fromWhole(150);
    j.extraFee = Money::fromWhole(30);
    j.extraFeeNote = QStringLiteral("上门交通费");
    j.totalFee = Money::fromWhole(380);
    j.prepayment = *Money::parse(QStringLiteral("50.5"));
    j.charged = *Money::parse(QStringLiteral("329.5"));
    j.paymentMethod = QStringLiteral("现金");
    j.invoiceNumber = QStringLiteral("FP-0001");
    j.refund = Money::fromWhole(0);
    j.endDate = QDate(2026, 12, 15);
    j.repairSummary = QStringLiteral("更换主板电容");
    j.remarks = QStringLiteral("外壳有划痕");
    return j;
}

void addParts(TestDatabase &t, const QString &number, int n)
{
    for (int i = 1; i <= n; ++i)
        t.exec(QStringLiteral("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计, SN) VALUES (?,?,?,?,?,?,?)"),
               {number, QStringLiteral("PJ%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("电容%1号").arg(i), 2,
                qlonglong(Money::parse(QStringLiteral("12.5"))->units()), qlonglong(Money::fromWhole(25).units()),
                QStringLiteral("S%1").arg(i)});
}

QString pdfOf(const QTemporaryDir &dir, const ReportLayout &layout)
{
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    QFile::remove(path);
    if (!ReportPainter::writePdf(ReportEngine::generateAll(layout), path))
        return QString();
    return path;
}

ReportLayout receiptFor(TestDatabase &t, const RepairJob &job, ReceiptSource source)
{
    const ShopInfo shop = ShopInfoStore(t.db()).load();
    const auto customer = DocumentSources(t.db()).customer(job.customer);
    return TForm_receipt::layout(ReceiptFields::from(job, source, customer ? customer->company : QString(), shop), shop);
}

void verifyHas(const QString &text, const QStringList &wanted, const QStringList &unwanted = {})
{
    for (const QString &w : wanted)
        QVERIFY2(text.contains(w), qPrintable(w + QStringLiteral(" missing in ") + text));
    for (const QString &u : unwanted)
        QVERIFY2(!text.contains(u), qPrintable(u + QStringLiteral(" unexpected in ") + text));
}
} // namespace

class TestRepairDocuments : public QObject
{
    Q_OBJECT
private slots:
    void receipt_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("warranty");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("unwanted");
        QTest::newRow("registration") << int(ReceiptSource::Registration) << true << QStringLiteral("上门维修")
                                      << QStringList{"接修时间2026-12-10(14:30:00)", "客户单位华信科技有限公司", "修物类别电脑",
                                                     "修物品牌联想", "保内：是", "上门维修：是", "取物有效期自接修之日起三个月内有效"}
                                      << QStringList{};
        QTest::newRow("check, ordinary service") << int(ReceiptSource::Check) << false << QStringLiteral("普通")
                                                 << QStringList{"接修时间2026-12-10经办人", "客户单位华信科技有限公司", "保内：否",
                                                                "上门维修：否", "修物类别电脑"}
                                                 << QStringList{"14:30"};
        QTest::newRow("check, on site under warranty") << int(ReceiptSource::Check) << true << QStringLiteral("上门维修")
                                                       << QStringList{"保内：是", "上门维修：是"} << QStringList{};
        QTest::newRow("rework") << int(ReceiptSource::Rework) << true << QStringLiteral("上门维修")
                                << QStringList{"接修时间2026-12-10经办人", "取物有效期自接修之日起三个月内有效"}
                                << QStringList{"华信科技", "保内：", "上门维修：", "修物类别电脑", "修物品牌联想"};
    }
    void receipt()
    {
        QFETCH(int, source);
        QFETCH(bool, warranty);
        QFETCH(QString, mode);
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, unwanted);
        TestDatabase t;
        arrangeShop(t);
        RepairJob job = sampleJob();
        job.underWarranty = warranty;
        job.serviceMode = mode;
        QTemporaryDir dir;
        const QString path = pdfOf(dir, receiptFor(t, job, ReceiptSource(source)));
        QCOMPARE(PdfText::pageCount(path), 1);
        QCOMPARE(PdfText::pageSizeMm(path), QStringLiteral("210x140"));
        const QString text = PdfText::compact(path);
        verifyHas(text,
                  {"鸿达维修中心维修取物凭证", "编号wx-261210-3", "经办人刘前台", "客户王建国", "维修物笔记本电脑", "修物SNSN12345",
                   "随机附件电源适配器", "预付款50.5", "故障开机黑屏", "备注外壳有划痕",
                   "联系电话：010-88886666传真：010-88887777地址：北京市海淀区中关村大街1号邮编：100080", "客户确认签字：",
                   "注：该凭证作为维修取物之用，请妥善保管。"});
        verifyHas(text, wanted, unwanted);
    }

    void receiptWithoutShopDetails()
    {
        TestDatabase t;
        t.exec(QStringLiteral("DELETE FROM 基本信息 WHERE 标识 LIKE '公司%'"));
        t.exec(QStringLiteral("DELETE FROM 约定"));
        RepairJob job = sampleJob();
        job.customer = QStringLiteral("不在目录的客户");
        QTemporaryDir dir;
        const QString path = pdfOf(dir, receiptFor(t, job, ReceiptSource::Registration));
        const QStringList lines = PdfText::text(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first().trimmed(), QStringLiteral("维修取物凭证"));
        const QString text = PdfText::compact(path);
        verifyHas(text, {"联系电话：传真：地址：邮编：", "客户单位维修物", "取物有效期备注"}, {"华信"});
    }

    void dispatchBill_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("unwanted");
        QTest::newRow("customer in the directory")
            << QStringLiteral("王建国")
            << QStringList{"联系电话13900001111", "联系人李秘书", "客户地址朝阳区建国路8号", "乘车路线地铁1号线国贸站"} << QStringList{};
        QTest::newRow("customer missing") << QStringLiteral("路过客户") << QStringList{"客户名称路过客户"}
                                          << QStringList{"13900001111", "李秘书", "朝阳区", "地铁"};
    }
    void dispatchBill()
    {
        QFETCH(QString, customer);
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, unwanted);
        TestDatabase t;
        arrangeShop(t);
        RepairJob job = sampleJob();
        job.customer = customer;
        const ReportLayout l = TForm_dispatchbill::layout(job, DocumentSources(t.db()).customer(customer),
                                                          ShopInfoStore(t.db()).load(), QDateTime(Today, QTime(9, 15)));
        QTemporaryDir dir;
        const QString path = pdfOf(dir, l);
        QCOMPARE(PdfText::pageCount(path), 1);
        QCOMPARE(PdfText::pageSizeMm(path), QStringLiteral("210x140"));
        const QString text = PdfText::compact(path);
        verifyHas(text, {"鸿达维修中心派修单", "业务编号:wx-261210-3", "接修日期:2026-12-10", "预约时间周五上午", "出发时间2026-12-12",
                         "维修物笔记本电脑", "修物类别电脑", "修物品牌联想", "修物SN", "报称故障开机黑屏", "处理结果", "维修费用",
                         "附加费用", "配件费用", "合计", "费用说明", "更换配件", "保修说明", "备注：", "确认收费：", "带回维修：",
                         "维修技术员:张师傅", "客户签名：", "主管签字：", "制单时间：2026-12-1009:15:00"});
        verifyHas(text, wanted, unwanted);
    }

    void chargeListWithoutParts()
    {
        TestDatabase t;
        arrangeShop(t);
        const RepairJob job = sampleJob();
        const ReportLayout l = TForm_report_fee::layout(job, ChargeListFees::fromJob(job), DocumentSources(t.db()).partLines(job.number),
                                                        ShopInfoStore(t.db()).load(), Today);
        QTemporaryDir dir;
        const QString path = pdfOf(dir, l);
        QCOMPARE(PdfText::pageCount(path), 1);
        const QString text = PdfText::compact(path);
        verifyHas(text, {"鸿达维修中心维修收费清单", "业务编号：wx-261210-3", "客户名称：王建国", "维修物：笔记本电脑", "材料费200",
                         "维修费150", "附加费30", "合计380", "已收50.5", "应收329.5", "实收329.5", "发票号FP-0001", "收款方式现金",
                         "附加费说明：上门交通费", "保修条款：一、更换配件保修三个月。二、人为损坏不在保修之列。三、保修凭本清单。",
                         "更换（新增）配件：编号名称数目单价合计收款人：审核：制单时间：2026-12-10"},
                  {"PJ0"});
    }

    void chargeListBreaksPartLinesOverPages()
    {
        TestDatabase t;
        arrangeShop(t);
        const RepairJob job = sampleJob();
        addParts(t, job.number, 30);
        addParts(t, QStringLiteral("wx-261210-4"), 2); // another job's lines stay off
        const QList<RepairPartLine> parts = DocumentSources(t.db()).partLines(job.number);
        QCOMPARE(parts.size(), 30);
        const ReportLayout l = TForm_report_fee::layout(job, ChargeListFees::fromJob(job), parts, ShopInfoStore(t.db()).load(), Today);
        QTemporaryDir dir;
        const QString path = pdfOf(dir, l);
        const int pages = PdfText::pageCount(path);
        QVERIFY(pages >= 2);
        QString all;
        for (int p = 1; p <= pages; ++p) {
            const QString text = PdfText::compact(path, p);
            QVERIFY2(text.contains(QStringLiteral("编号名称数目单价合计")), qPrintable(QString::number(p)));
            QCOMPARE(text.contains(QStringLiteral("收款人：")), p == pages);
            QCOMPARE(text.contains(QStringLiteral("维修收费清单")), p == 1);
            all += text;
        }
        int last = -1;
        for (int i = 1; i <= 30; ++i) {
            const QString line = QStringLiteral("PJ%1电容%2号212.525").arg(i, 3, 10, QLatin1Char('0')).arg(i);
            const int at = all.indexOf(line);
            QVERIFY2(at > last, qPrintable(line));
            QCOMPARE(all.count(line), 1);
            last = at;
        }
    }

    void detailSheet()
    {
        TestDatabase t;
        arrangeShop(t);
        RepairJob job = sampleJob();
        job.underWarranty = false; // the window's tick boxes, not the row, decide
        job.dispatched = false;
        addParts(t, job.number, 2);
        DocumentSources sources(t.db());
        const ReportLayout l = TForm_report_repairDetail::layout(job, true, true, sources.customer(job.customer),
                                                                 sources.partLines(job.number), ShopInfoStore(t.db()).load(), Today);
        QTemporaryDir dir;
        const QString path = pdfOf(dir, l);
        QCOMPARE(PdfText::pageCount(path), 1);
        QCOMPARE(PdfText::pageSizeMm(path), QStringLiteral("210x297"));
        const QString text = PdfText::compact(path);
        verifyHas(text, {"鸿达维修中心维修业务祥单", "客户情况：", "客户名称王建国", "类别单位客户", "所属单位华信科技有限公司", "联系人李秘书",
                         "地址朝阳区建国路8号", "邮编100022", "电子邮件wang@example.com", "物资主管赵主管", "电话13900001111",
                         "乘车路线地铁1号线国贸站", "账号ACC-001", "税号TAX-998", "备注：老客户", "业务情况：", "业务编号wx-261210-3",
                         "当前状态已结束", "接修时间2026-12-10", "经办人刘前台", "服务方式上门维修", "技术员张师傅",
                         "返还日期2026-12-15", "保内是", "预约时间周五上午", "上门时间2026-12-12", "送修类型送修", "已经派工是",
                         "修物名称笔记本电脑", "编号/SNSN12345", "随机附件电源适配器", "故障描述开机黑屏", "维修小结更换主板电容",
                         "备注外壳有划痕", "费用情况：", "配件费200", "维修费150", "附加费30", "合计380", "预付款50.5",
                         "实际收费329.5", "返修退款0", "收款方式现金", "附加费说明上门交通费", "更换配件：编号名称数目单价SN",
                         "PJ001电容1号212.5S1", "PJ002电容2号212.5S2", "打印日期：2026-12-10", "页码：1"});
    }

    void detailSheetWithoutNumberHasNoPartLines()
    {
        TestDatabase t;
        addParts(t, QString(), 3); // stray lines without a number
        RepairJob job = sampleJob();
        job.number.clear();
        DocumentSources sources(t.db());
        QVERIFY(sources.partLines(job.number).isEmpty());
        const ReportLayout l = TForm_report_repairDetail::layout(job, false, false, sources.customer(job.customer),
                                                                 sources.partLines(job.number), ShopInfoStore(t.db()).load(), Today);
        QTemporaryDir dir;
        const QString text = PdfText::compact(pdfOf(dir, l));
        verifyHas(text, {"维修业务祥单", "保内否", "已经派工否", "页码：1"}, {"PJ0"});
    }

    void detailSheetNumbersItsLastPage()
    {
        TestDatabase t;
        RepairJob job = sampleJob();
        addParts(t, job.number, 80);
        DocumentSources sources(t.db());
        const ReportLayout l = TForm_report_repairDetail::layout(job, false, false, std::nullopt, sources.partLines(job.number),
                                                                 ShopInfoStore(t.db()).load(), Today);
        QTemporaryDir dir;
        const QString path = pdfOf(dir, l);
        const int pages = PdfText::pageCount(path);
        QVERIFY(pages >= 2);
        QVERIFY(PdfText::compact(path, pages).contains(QStringLiteral("页码：%1").arg(pages)));
        QVERIFY(PdfText::compact(path, pages).contains(QStringLiteral("PJ080电容80号")));
        QVERIFY(PdfText::compact(path, 2).contains(QStringLiteral("编号名称数目单价SN")));
    }

    // The screens' entry point: reads the database, opens the preview modally; the operator
    // exports the PDF and leaves.
    void chargeListThroughThePreview()
    {
        TestDatabase t;
        t.ctx.fixedToday = Today;
        arrangeShop(t);
        const RepairJob job = sampleJob();
        addParts(t, job.number, 3);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("收费.pdf"));
        t.prompter.files << path;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *preview = qobject_cast<TForm_Preview *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            seen = true;
            preview->store().waitForFinished(10000);
            QTRY_COMPARE(preview->statusText(), QStringLiteral("总1页，第1页"));
            preview->action(QStringLiteral("导出PDF"))->trigger();
            preview->action(QStringLiteral("退出"))->trigger();
        });
        RepairDocuments::showChargeList(t.ctx, job, ChargeListFees::fromJob(job));
        QVERIFY(seen);
        verifyHas(PdfText::compact(path), {"维修收费清单", "PJ001电容1号", "PJ003电容3号", "制单时间：2026-12-10"});
    }
};

QTEST_MAIN(TestRepairDocuments)
#include "tst_repair_documents.moc"
