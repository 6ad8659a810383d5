// The part lines of a job as check and quotation and repair handling edit them: the fee rule
// after every change, the checks of the editor, the parts request on stock, the editor's modes.
#include "WorkQueueFixture.h"

#include "data/lists/ListModel.h"
#include "forms/repair/CheckForm.h"
#include "forms/repair/RepairPartEditor.h"

#include <QTest>

using E = RepairPartEditor;
Q_DECLARE_METATYPE(RepairPartEditor::Values)
using namespace WorkQueueFixture;

namespace {
E::Values values(const QString &no, const QString &name, const QString &price, const QString &quantity,
                 const QString &serial = QString())
{
    return {no, name, price, quantity, serial};
}

// Adds a line through the editor: "添加" opens it, "保存" writes.
E::Outcome addLine(E &editor, const E::Values &v)
{
    if (editor.add({}) != E::Outcome::Opened)
        return E::Outcome::Nothing;
    return editor.add(v);
}
} // namespace

class TestRepairParts : public QObject
{
    Q_OBJECT
private slots:
    // "配件费用" is the sum of count × price over the job's lines after every change; the total
    // follows. A parts fee typed by hand stands until the next change of the lines.
    void feesFollowTheLines()
    {
        TestDatabase t;
        job(t, "j1", "待检测");
        fees(t, "j1", {0, 50, 10});
        stock(t, "A", 100);
        stock(t, "B", 100);
        CheckForm form(t.ctx, RightsTable::Access::Full);
        form.open();
        E &editor = form.parts();
        editor.setJob("j1");

        QCOMPARE(addLine(editor, values("A", "屏幕", "12.5", "2")), E::Outcome::Saved);
        QCOMPARE(money(t, "配件费用", "j1"), yuan(25));
        QCOMPARE(money(t, "费用合计", "j1"), yuan(85));
        QCOMPARE(t.count("配件", "单据编号 = 'j1' AND 配件编号 = 'A' AND 合计 = ?", {yuan(25)}), 1);
        QCOMPARE(addLine(editor, values("B", "电池", "0.0001", "3", "S1,S2")), E::Outcome::Saved);
        QCOMPARE(money(t, "配件费用", "j1"), yuan(25) + 3);

        // Typed by hand, the parts fee stands ...
        QVERIFY(form.saveFees(0, {"999", "50", "10"}));
        QCOMPARE(money(t, "配件费用", "j1"), yuan(999));
        QCOMPARE(money(t, "费用合计", "j1"), yuan(1059));
        // ... until a line changes.
        editor.setCurrentLine(0);
        QCOMPARE(editor.values().partNo, QStringLiteral("A"));
        QCOMPARE(editor.modify({}), E::Outcome::Opened);
        QCOMPARE(editor.modify(values("A", "屏幕", "12.5", "4")), E::Outcome::Saved);
        QCOMPARE(money(t, "配件费用", "j1"), yuan(50) + 3);
        QCOMPARE(money(t, "费用合计", "j1"), yuan(110) + 3);
        QCOMPARE(t.count("配件", "配件编号 = 'A' AND 数目 = 4 AND 合计 = ?", {yuan(50)}), 1);

        // Deleting every line leaves labour and extra fee.
        editor.setCurrentLine(1);
        QCOMPARE(editor.remove(), E::Outcome::Saved);
        QCOMPARE(editor.lineCount(), 1);
        QCOMPARE(editor.remove(), E::Outcome::Saved);
        QCOMPARE(money(t, "配件费用", "j1"), 0);
        QCOMPARE(money(t, "费用合计", "j1"), yuan(60));
        t.prompter.clear();
        QCOMPARE(editor.remove(), E::Outcome::Nothing);
        QCOMPARE(t.prompter.texts(), QStringList{E::NothingToDeleteMessage});
        QCOMPARE(t.count("配件"), 0);
    }

    void checks_data()
    {
        QTest::addColumn<E::Values>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("box");
        QTest::newRow("no number") << values("", "屏", "1", "1") << E::NoNumberMessage << int(E::Box::PartNo);
        QTest::newRow("no name") << values("A", "", "1", "1") << E::NoNameMessage << int(E::Box::Name);
        QTest::newRow("decimal count") << values("A", "屏", "1", "2.5") << E::QuantityMessage << int(E::Box::Quantity);
        QTest::newRow("count before price") << values("A", "屏", "abc", "x") << E::QuantityMessage << int(E::Box::Quantity);
        QTest::newRow("huge count") << values("A", "屏", "1", "99999999999") << E::QuantityMessage << int(E::Box::Quantity);
        QTest::newRow("negative count") << values("A", "屏", "1", "-1") << E::NegativeQuantityMessage << int(E::Box::Quantity);
        QTest::newRow("price") << values("A", "屏", "abc", "1") << E::PriceMessage << int(E::Box::Price);
        QTest::newRow("five decimals") << values("A", "屏", "1.00001", "1") << E::PriceMessage << int(E::Box::Price);
    }
    // A refused line writes nothing, neither the line nor a parts request, and the editor stays open.
    void checks()
    {
        QFETCH(E::Values, typed);
        QFETCH(QString, message);
        QFETCH(int, box);
        TestDatabase t;
        job(t, "j1", "待检测");
        E editor(t.ctx);
        editor.setJob("j1");
        QCOMPARE(editor.add({}), E::Outcome::Opened);
        QCOMPARE(editor.add(typed), E::Outcome::Refused);
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(int(editor.refusedBox()), box);
        QCOMPARE(editor.mode(), E::Mode::Adding);
        QCOMPARE(editor.addCaption(), E::SaveCaption);
        QCOMPARE(t.count("配件"), 0);
        QCOMPARE(t.count("库存"), 0);
        QVERIFY(t.scalar("SELECT 配件费用 FROM 维修").isNull());
    }

    void partsRequest_data()
    {
        QTest::addColumn<bool>("row");
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("after");
        QTest::newRow("short, OK") << true << 2 << 1 << 5 << true << true << 4;
        QTest::newRow("short, cancel") << true << 2 << 1 << 5 << false << true << 1;
        QTest::newRow("just enough") << true << 5 << 1 << 5 << true << false << 1;
        QTest::newRow("nothing in stock") << true << 0 << 0 << 3 << true << true << 3;
        QTest::newRow("owed to other jobs") << true << -2 << 0 << 5 << true << true << 7;
        QTest::newRow("no stock row") << false << 0 << 0 << 5 << false << false << 5;
    }
    // Adding a line asks for the part from stock when stock cannot cover it; the line is added
    // whatever the answer, and the stock itself never changes.
    void partsRequest()
    {
        QFETCH(bool, row);
        QFETCH(int, stock);
        QFETCH(int, requested);
        QFETCH(int, quantity);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(int, after);
        TestDatabase t;
        job(t, "j1", "待检测");
        if (row)
            WorkQueueFixture::stock(t, "P", stock, 10, requested);
        t.prompter.answers.enqueue(answer);
        E editor(t.ctx);
        editor.setJob("j1");
        QCOMPARE(addLine(editor, values("P", "主板", "300", QString::number(quantity))), E::Outcome::Saved);
        QCOMPARE(t.prompter.shown,
                 asked ? QStringList{QStringLiteral("confirm: ") + E::RequestQuestion} : QStringList{});
        QCOMPARE(t.count("库存", "编号 = 'P'"), 1);
        QCOMPARE(t.scalar("SELECT 配件申请 FROM 库存 WHERE 编号 = 'P'").toInt(), after);
        QCOMPARE(t.scalar("SELECT 库存 FROM 库存 WHERE 编号 = 'P'").toInt(), row ? stock : 0);
        if (!row)
            QCOMPARE(t.scalar("SELECT 名称 FROM 库存 WHERE 编号 = 'P'").toString(), QStringLiteral("主板"));
        QCOMPARE(t.count("配件", "单据编号 = 'j1' AND 数目 = ?", {quantity}), 1);

        // Modifying asks nothing; deleting takes no request back.
        t.prompter.clear();
        QCOMPARE(editor.modify({}), E::Outcome::Opened);
        QCOMPARE(editor.modify(values("P", "主板", "300", "50")), E::Outcome::Saved);
        QVERIFY(t.prompter.shown.isEmpty());
        QCOMPARE(editor.remove(), E::Outcome::Saved);
        QCOMPARE(t.scalar("SELECT 配件申请 FROM 库存 WHERE 编号 = 'P'").toInt(), after);
    }

    // The editor's three modes: read-only, adding and modifying; while one saves the other waits.
    void modes()
    {
        TestDatabase t;
        job(t, "j1", "待检测");
        line(t, "j1", "A", 2, 15);
        E editor(t.ctx);
        // No job: nothing opens.
        QCOMPARE(editor.add({}), E::Outcome::Nothing);
        QCOMPARE(editor.modify({}), E::Outcome::Nothing);
        QCOMPARE(editor.remove(), E::Outcome::Nothing);
        QVERIFY(t.prompter.shown.isEmpty());

        editor.setJob("j1");
        QCOMPARE(editor.lineCount(), 1);
        QCOMPARE(editor.values().partNo, QStringLiteral("A"));
        QCOMPARE(editor.values().price, QStringLiteral("15"));
        QCOMPARE(editor.add({}), E::Outcome::Opened);
        QCOMPARE(editor.values().quantity, QStringLiteral("1"));
        QVERIFY(editor.values().partNo.isEmpty());
        QCOMPARE(editor.modify({}), E::Outcome::Nothing);
        QCOMPARE(editor.remove(), E::Outcome::Nothing);
        QCOMPARE(editor.modifyCaption(), E::ModifyCaption);
        // Another job closes the editor without saving.
        editor.setJob("j1");
        QCOMPARE(editor.mode(), E::Mode::ReadOnly);
        QCOMPARE(editor.addCaption(), E::AddCaption);

        TestDatabase empty;
        job(empty, "j2", "待检测");
        E other(empty.ctx);
        other.setJob("j2");
        QCOMPARE(other.modify({}), E::Outcome::Nothing);
        QCOMPARE(empty.prompter.texts(), QStringList{E::NothingToModifyMessage});
    }

    // A part taken with the picker brings its repair price from the catalog when it is there.
    void pickedPart()
    {
        TestDatabase t;
        t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 销售价, 维修更换价) VALUES ('K', '键盘', 800000, 650000)");
        E editor(t.ctx);
        E::Values v = editor.picked(values("", "", "", "7", "S9"), PartChoice{"K", "键盘"});
        QVERIFY(editor.priceFound());
        QCOMPARE(v.price, QStringLiteral("65"));
        QCOMPARE(v.quantity, QStringLiteral("1"));
        QCOMPARE(v.serial, QStringLiteral("S9"));
        v = editor.picked(values("", "", "3", "7"), PartChoice{"Z", "不在目录"});
        QVERIFY(!editor.priceFound());
        QCOMPARE(v.price, QStringLiteral("3"));
        QCOMPARE(v.name, QStringLiteral("不在目录"));
    }
};


QTEST_MAIN(TestRepairParts)
#include "tst_repair_parts.moc"
