// The notebook, opened from the main window's "记事" button and worked from the keyboard: the
// subject's byte limit on Enter, the delete question, and the changes written when the window
// closes, in one transaction that keeps the window open when it fails.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/tools/TForm_notes.h"
#include "ui/kit/ScreenKit.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
struct Session
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Session()
    {
        t.ctx.OperatorRights = Rights::SuperUser;
        t.ctx.OperatorName = QStringLiteral("李四");
        t.ctx.fixedToday = QDate(2024, 6, 28);
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
    ~Session() { main->hide(); }
    // Opens the notebook from its tool button and works it.
    void notebook(const std::function<void(TForm_notes *)> &work)
    {
        bool opened = false;
        whenModal([&](QWidget *w) {
            auto *notes = qobject_cast<TForm_notes *>(w);
            QVERIFY(notes);
            opened = true;
            work(notes);
        });
        main->toolAction(QStringLiteral("记事"));
        QVERIFY(opened);
    }
};
} // namespace

class TestNotebook : public QObject
{
    Q_OBJECT
private slots:
    // A new note is by the operator; Enter in the subject checks its length in GBK bytes (90
    // pass, 91 do not) and goes on to the content. The note reaches the file only when the
    // window closes, dated today.
    void newNoteWrittenOnClose()
    {
        Session s;
        s.notebook([&](TForm_notes *n) {
            QCOMPARE(n->windowTitle(), QStringLiteral("记事本"));
            QCOMPARE(focused(), n->grid);
            press(Qt::Key_N, Qt::AltModifier); // 新建[&N]
            QTRY_COMPARE(focused(), n->subjectEdit);
            QCOMPARE(n->authorEdit->text(), QStringLiteral("李四"));
            type(QString(45, QChar(0x8bb0)) + u'x'); // 91 bytes
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("主题太长，请简写！"));
            QCOMPARE(focused(), n->subjectEdit);
            press(Qt::Key_End);
            press(Qt::Key_Backspace); // 90 bytes
            enter();
            QCOMPARE(focused(), n->contentEdit);
            type(QStringLiteral("周五来取"));
            QCOMPARE(s.t.count("记事本"), 0);
            QCOMPARE(n->grid->model()->index(0, 0).data().toString(), QString(45, QChar(0x8bb0)));
            press(Qt::Key_E, Qt::AltModifier); // 退出[&E]
        });
        QSqlQuery q = s.t.exec(QStringLiteral("SELECT 主题, 内容, 记事人, 记事时间 FROM 记事本"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString(45, QChar(0x8bb0)));
        QCOMPARE(q.value(1).toString(), QStringLiteral("周五来取"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("李四"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("2024-06-28"));
        QCOMPARE(s.t.prompter.texts().count(QStringLiteral("主题太长，请简写！")), 1);

        // Listed the next time; editing it dates it today again.
        s.t.exec(QStringLiteral("UPDATE 记事本 SET 记事时间 = '2020-01-01'"));
        s.t.ctx.fixedToday = QDate(2024, 7, 1);
        s.notebook([&](TForm_notes *n) {
            QCOMPARE(n->grid->model()->rowCount(), 1);
            QCOMPARE(n->subjectEdit->text(), QString(45, QChar(0x8bb0)));
            tab();
            tab(); // the author
            QCOMPARE(focused(), n->authorEdit);
            press(Qt::Key_End);
            type(QStringLiteral("王"));
            press(Qt::Key_Escape); // the close box writes as well
        });
        QCOMPARE(s.t.scalar("SELECT 记事人 || ' ' || 记事时间 FROM 记事本").toString(), QStringLiteral("李四王 2024-07-01"));
    }

    // "删除[&D]" asks nothing on an empty notebook; otherwise it asks, and only OK deletes.
    void deleteAsks()
    {
        Session s;
        s.notebook([&](TForm_notes *n) {
            press(Qt::Key_D, Qt::AltModifier); // 删除[&D]
            QTest::qWait(300); // a button's mnemonic clicks it a moment later
            QVERIFY(s.t.prompter.shown.isEmpty());
            QCOMPARE(n->grid->model()->rowCount(), 0);
            press(Qt::Key_E, Qt::AltModifier); // 退出[&E]
        });
        s.t.exec(QStringLiteral("INSERT INTO 记事本 (主题, 记事时间) VALUES ('甲', '2024-01-01'), ('乙', '2024-01-02')"));
        s.notebook([&](TForm_notes *n) {
            s.t.prompter.answers.enqueue(false);
            press(Qt::Key_D, Qt::AltModifier); // 删除[&D]
            QTRY_COMPARE(s.t.prompter.shown, QStringList{QStringLiteral("confirm: 确定删除吗？")});
            QCOMPARE(n->grid->model()->rowCount(), 2);
            s.t.prompter.answers.enqueue(true);
            press(Qt::Key_D, Qt::AltModifier); // 删除[&D]
            QTRY_COMPARE(n->grid->model()->rowCount(), 1);
            QCOMPARE(n->subjectEdit->text(), QStringLiteral("乙"));
            QCOMPARE(s.t.count("记事本"), 2);
            press(Qt::Key_E, Qt::AltModifier); // 退出[&E]
        });
        QCOMPARE(s.t.scalar("SELECT group_concat(主题 || 记事时间) FROM 记事本").toString(), QStringLiteral("乙2024-01-02"));
    }

    // A failed write keeps the window open with the changes; the next close writes them.
    void failedWriteKeepsTheWindow()
    {
        Session s;
        s.t.exec(QStringLiteral("INSERT INTO 记事本 (主题, 记事时间) VALUES ('旧的', '2024-01-01')"));
        s.notebook([&](TForm_notes *n) {
            press(Qt::Key_N, Qt::AltModifier); // 新建[&N]
            QTRY_COMPARE(focused(), n->subjectEdit);
            type(QStringLiteral("新的"));
            s.t.exec(QStringLiteral("ALTER TABLE 记事本 RENAME TO 记事本x"));
            press(Qt::Key_E, Qt::AltModifier); // 退出[&E]
            QTRY_VERIFY(s.t.prompter.last().contains(QStringLiteral("记事本")));
            QVERIFY(n->isVisible());
            QCOMPARE(n->grid->model()->rowCount(), 2);
            s.t.exec(QStringLiteral("ALTER TABLE 记事本x RENAME TO 记事本"));
            QTRY_VERIFY(focused()); // the error box gave the keys back
            press(Qt::Key_E, Qt::AltModifier); // 退出[&E]
            QTRY_VERIFY(!n->isVisible());
        });
        QCOMPARE(s.t.count("记事本"), 2);
        QCOMPARE(s.t.count("记事本", "主题 = '新的' AND 记事人 = '李四'"), 1);
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    TestNotebook test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_notebook.moc"
