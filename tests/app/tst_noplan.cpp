#include "TestDatabase.h"
#include "data/db/DbError.h"
#include "forms/app/NoPlanForm.h"
#include "ui/app/TForm_NOPlan.h"
#include "ui/app/VantrelApplication.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_noplan : public QObject
{
    Q_OBJECT
private slots:
    void firstOpeningCreatesPlanAndMode()
    {
        TestDatabase t;
        t.exec("DELETE FROM 编号计划");
        NoPlanForm form(t.ctx);
        form.load();
        QCOMPARE(t.count("编号计划", "前缀 = 'WX-' AND 后缀位数 = 4 AND 起始 = 1"), 1);
        QCOMPARE(t.count("基本信息", "标识 = '编号计划' AND 值 = '默认'"), 1);
        QVERIFY(!form.useCustom);
        QCOMPARE(form.prefix, QString("WX-"));
        form.load(); // a second opening adds nothing
        QCOMPARE(t.count("编号计划"), 1);
        QCOMPARE(t.count("基本信息", "标识 = '编号计划'"), 1);
    }

    void nonIntegersRefused_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("start");
        QTest::newRow("digits text") << "abc" << "1";
        QTest::newRow("start text") << "4" << "1x";
        QTest::newRow("start decimal") << "4" << "1.5";
        QTest::newRow("empty") << "" << "1";
    }
    void nonIntegersRefused()
    {
        QFETCH(QString, digits);
        QFETCH(QString, start);
        TestDatabase t;
        NoPlanForm form(t.ctx);
        form.load();
        form.useCustom = true;
        form.prefix = "ZZ-";
        form.digitsText = digits;
        form.startText = start;
        QVERIFY(!form.confirm());
        QCOMPARE(t.prompter.texts(), QStringList{"后缀位数和起始值必须为整数！"});
        QCOMPARE(t.count("编号计划", "前缀 = 'WX-' AND 后缀位数 = 4 AND 起始 = 1"), 1);
        QCOMPARE(t.count("基本信息", "标识 = '编号计划' AND 值 = '默认'"), 1);
    }

    // The screen: cancel discards the edits, confirm stores mode and plan together.
    void screenCancelAndConfirm()
    {
        TestDatabase t;
        {
            TForm_NOPlan screen(t.ctx);
            screen.show();
            QCOMPARE(screen.prefixEdit->text(), QString("WX-"));
            QVERIFY(screen.defaultMode->isChecked());
            screen.prefixEdit->setText("BX-");
            screen.customMode->setChecked(true);
            screen.reject();
        }
        QCOMPARE(t.count("编号计划", "前缀 = 'WX-'"), 1);
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '编号计划'").toString(), QString("默认"));
        {
            TForm_NOPlan screen(t.ctx);
            screen.show();
            screen.prefixEdit->setText("BX-");
            screen.digitsEdit->setText("6");
            screen.startEdit->setText("42");
            screen.customMode->setChecked(true);
            auto *ok = screen.findChild<QDialogButtonBox *>()->buttons().first();
            QCOMPARE(ok->text(), QString("确认[&O]"));
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(screen.result(), int(QDialog::Accepted));
        }
        QCOMPARE(t.count("编号计划", "前缀 = 'BX-' AND 后缀位数 = 6 AND 起始 = 42"), 1);
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '编号计划'").toString(), QString("自定义"));
        TForm_NOPlan again(t.ctx);
        again.show();
        QVERIFY(again.customMode->isChecked());
    }

    // A database error in any handler is shown with the engine's message and the program goes on.
    void handlerErrorShownAndProgramContinues()
    {
        TestDatabase t;
        auto *app = static_cast<VantrelApplication *>(qApp);
        app->setPrompter(&t.prompter);
        QPushButton failing("x");
        int after = 0;
        QObject::connect(&failing, &QPushButton::clicked, [] { throw DbError("no such table: 不存在"); });
        QPushButton working("y");
        QObject::connect(&working, &QPushButton::clicked, [&] { ++after; });
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(t.prompter.shown, QStringList{"error: no such table: 不存在"});
        QTest::mouseClick(&working, Qt::LeftButton);
        QCOMPARE(after, 1);
        app->setPrompter(nullptr);
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    tst_noplan test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_noplan.moc"
