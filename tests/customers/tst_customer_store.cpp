// Looking a customer up by name and adding one, as the registration and sale screens do.
#include "TestDatabase.h"
#include "data/customers/CustomerStore.h"
#include "data/customers/CustomerTable.h"

#include <QTest>

class tst_customer_store : public QObject
{
    Q_OBJECT
private slots:
    void addFindAndUpdate()
    {
        TestDatabase t;
        CustomerStore s(t.db());
        CustomerRecord r;
        r.name = QStringLiteral("O'Brien 100%");
        r.customerClass = QStringLiteral("VIP");
        r.phone = QStringLiteral("010-1");
        r.contact = QStringLiteral("老王");
        r.address = QStringLiteral("长安街");
        r.route = QStringLiteral("1路");
        r.registered = QStringLiteral("2026-03-09");
        QVERIFY(!s.exists(r.name));
        s.add(r);
        QVERIFY(s.exists(r.name));
        QVERIFY(!s.exists(QStringLiteral("O'Brien 100")));
        const auto found = s.find(r.name);
        QVERIFY(found);
        QCOMPARE(found->customerClass, QStringLiteral("VIP"));
        QCOMPARE(found->route, QStringLiteral("1路"));
        QCOMPARE(found->registered, QStringLiteral("2026-03-09"));

        // Only the named columns change.
        CustomerRecord changed = *found;
        changed.phone = QStringLiteral("020-2");
        changed.address = QStringLiteral("不该写入");
        s.update(r.name, changed, {CustomerTable::Phone});
        QCOMPARE(s.find(r.name)->phone, QStringLiteral("020-2"));
        QCOMPARE(s.find(r.name)->address, QStringLiteral("长安街"));
        QVERIFY(!s.find(QStringLiteral("无此人")));

        // No date stays no date.
        CustomerRecord bare;
        bare.name = QStringLiteral("无日期");
        s.add(bare);
        QVERIFY(t.scalar(QStringLiteral("SELECT 登记时间 FROM 客户目录 WHERE 客户名称 = '无日期'")).isNull());
    }

    void classes()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('普通', 0), ('VIP', 1)"));
        CustomerStore s(t.db());
        QCOMPARE(s.classes(), (QStringList{QStringLiteral("普通"), QStringLiteral("VIP")}));
        QCOMPARE(s.followsUp(QStringLiteral("VIP")), std::optional<bool>(true));
        QCOMPARE(s.followsUp(QStringLiteral("普通")), std::optional<bool>(false));
        QVERIFY(!s.followsUp(QStringLiteral("未知")));
    }
};

QTEST_GUILESS_MAIN(tst_customer_store)
#include "tst_customer_store.moc"
