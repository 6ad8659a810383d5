// The keyboard kit on a small screen of its own: the list's tab order and Enter walk, buttons
// pressed by Enter, memos, the error boundary of actions, the read-only look and the focus ring.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "data/app/OperatorStore.h"
#include "ui/kit/FocusStyle.h"
#include "ui/kit/ScreenKit.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;
using Walk = ScreenKit::Walk;

namespace {
// Inputs created in an order unlike the list's, so the tab order can only come from the list.
struct Screen : QDialog
{
    QPushButton *saveButton = new QPushButton(QStringLiteral("保存[&S]"), this);
    QLineEdit *thirdEdit = new QLineEdit(this);
    QPlainTextEdit *memo = new QPlainTextEdit(this);
    QCheckBox *tick = new QCheckBox(QStringLiteral("保内"), this);
    QLineEdit *readOnlyEdit = new QLineEdit(this);
    QLineEdit *disabledEdit = new QLineEdit(this);
    QComboBox *secondBox = new QComboBox(this);
    QLineEdit *firstEdit = new QLineEdit(this);
    QPushButton *helperButton = new QPushButton(QStringLiteral("..."), this); // not in the list
    ScreenKit *keys;
    int saved = 0, helped = 0, restored = 0;
    std::function<void()> onSave = [] {};

    explicit Screen(Prompter *prompter)
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{saveButton, thirdEdit, memo, tick, readOnlyEdit, disabledEdit,
                                                          secondBox, firstEdit, helperButton})
            layout->addWidget(w);
        secondBox->setEditable(true);
        readOnlyEdit->setReadOnly(true);
        disabledEdit->setEnabled(false);
        connect(helperButton, &QPushButton::clicked, this, [this] { ++helped; });

        keys = new ScreenKit(this, prompter);
        keys->field(firstEdit, [this] { return firstEdit->text() != QStringLiteral("x"); });
        keys->field(secondBox);
        keys->field(tick, {}, Walk::Aside);
        keys->field(readOnlyEdit);
        keys->field(disabledEdit);
        keys->field(memo);
        keys->field(thirdEdit);
        keys->button(saveButton, [this] {
            ++saved;
            onSave();
        });
        keys->onError([this] { ++restored; });
    }
};

void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}
} // namespace

class TestScreenKit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new FocusStyle); }

    void tabFollowsTheList()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit); // the first field starts
        const QList<QWidget *> order = {s.secondBox, s.tick, s.readOnlyEdit, s.memo, s.thirdEdit, s.saveButton};
        for (QWidget *w : order) {
            tab();
            QCOMPARE(focused(), w);
        }
        tab(); // round to the start
        QCOMPARE(focused(), s.firstEdit);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), s.saveButton);
    }

    void enterWalksThroughTheFields()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        type(QStringLiteral("x"));
        enter(); // refused by its check
        QCOMPARE(focused(), s.firstEdit);
        type(QStringLiteral("甲")); // the refused text is selected: typing replaces it
        QCOMPARE(s.firstEdit->text(), QStringLiteral("甲"));
        enter();
        QCOMPARE(focused(), s.secondBox);
        type(QStringLiteral("乙"));
        enter(); // passes over the tick box (aside), the read-only and the disabled edit and the memo
        QCOMPARE(focused(), s.thirdEdit);
        enter();
        QCOMPARE(focused(), s.saveButton);
        QCOMPARE(s.saved, 0);
        enter(); // Enter on a focused button presses it
        QCOMPARE(s.saved, 1);
        QCOMPARE(s.secondBox->currentText(), QStringLiteral("乙"));
    }

    void memoKeepsEnterAndPassesTab()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        s.keys->startAt(s.memo);
        QCOMPARE(focused(), s.memo);
        type(QStringLiteral("一"));
        enter();
        type(QStringLiteral("二"));
        QCOMPARE(s.memo->toPlainText(), QStringLiteral("一\n二"));
        tab();
        QCOMPARE(focused(), s.thirdEdit);
    }

    void enterPressesButtonsOutsideTheList()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        s.keys->startAt(s.helperButton);
        enter();
        QCOMPARE(s.helped, 1);
    }

    // An action that meets a database error: the error is shown, the screen restores itself and
    // the next try goes through.
    void databaseErrorStopsTheActionOnly()
    {
        TestDatabase t;
        t.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 用户管理 BEGIN SELECT RAISE(ABORT, '磁盘已满'); END"));
        Screen s(&t.prompter);
        s.onSave = [&] { OperatorStore(t.db()).insert(Operator{0, "a", "1", QStringLiteral("甲"), QStringLiteral("待分配"), 0}); };
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        s.keys->startAt(s.saveButton);
        enter();
        QCOMPARE(s.saved, 1);
        QCOMPARE(s.restored, 1);
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY2(t.prompter.shown.first().startsWith(QStringLiteral("error: ")), qPrintable(t.prompter.shown.first()));
        QVERIFY(t.prompter.shown.first().contains(QStringLiteral("磁盘已满")));
        QCOMPARE(t.count("用户管理"), 0);
        QVERIFY(s.isVisible());

        t.exec(QStringLiteral("DROP TRIGGER refuse"));
        enter();
        QCOMPARE(t.count("用户管理"), 1);
        QCOMPARE(s.restored, 1);
    }

    void checksRunBehindTheBoundaryToo()
    {
        TestDatabase t;
        t.exec(QStringLiteral("DROP TABLE 用户管理"));
        QDialog d;
        auto *edit = new QLineEdit(&d);
        auto *next = new QLineEdit(&d);
        auto *layout = new QVBoxLayout(&d);
        layout->addWidget(edit);
        layout->addWidget(next);
        ScreenKit keys(&d, &t.prompter);
        keys.field(edit, [&] { return OperatorStore(t.db()).all().isEmpty(); });
        keys.field(next);
        showActive(&d);
        QTRY_COMPARE(focused(), edit);
        enter();
        QCOMPARE(t.prompter.shown.size(), 1);
        QCOMPARE(focused(), edit); // a check stopped by an error keeps the focus
    }

    void shortcutInOneField()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        int picked = 0;
        s.keys->shortcut(s.firstEdit, QKeySequence(Qt::CTRL | Qt::Key_S), [&] { ++picked; });
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(picked, 1);
        tab();
        press(Qt::Key_S, Qt::ControlModifier); // elsewhere it does nothing
        QCOMPARE(picked, 1);
    }

    void captionNamesTheInput()
    {
        QWidget w;
        auto *edit = new QLineEdit(&w);
        QLabel *label = ScreenKit::caption(edit, QStringLiteral("客户名称："));
        QCOMPARE(label->buddy(), edit);
        QCOMPARE(label->text(), QStringLiteral("客户名称："));
        QCOMPARE(edit->accessibleName(), QStringLiteral("客户名称："));
        QCOMPARE(label->parentWidget(), &w);
    }

    void readOnlyInputsLookReadOnly()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        const QPalette normal = QApplication::palette(s.thirdEdit);
        QCOMPARE(s.readOnlyEdit->palette().color(QPalette::Base), normal.color(QPalette::Window));
        QCOMPARE(s.thirdEdit->palette().color(QPalette::Base), normal.color(QPalette::Base));
        s.readOnlyEdit->setReadOnly(false);
        s.memo->setReadOnly(true);
        QCOMPARE(s.readOnlyEdit->palette().color(QPalette::Base), normal.color(QPalette::Base));
        QCOMPARE(s.memo->palette().color(QPalette::Base), normal.color(QPalette::Window));
    }

    void focusedButtonShowsARing()
    {
        TestDatabase t;
        Screen s(&t.prompter);
        showActive(&s);
        QTRY_COMPARE(focused(), s.firstEdit);
        const QImage without = s.saveButton->grab().toImage();
        s.keys->startAt(s.saveButton);
        QCOMPARE(focused(), s.saveButton);
        const QImage with = s.saveButton->grab().toImage();
        QVERIFY(with != without);
        // The ring is drawn in the highlight colour along the button's edge.
        const QColor ring = s.saveButton->palette().color(QPalette::Highlight);
        const QColor edge = with.pixelColor(with.width() / 2, 2);
        QVERIFY2(qAbs(edge.hue() - ring.hue()) < 20 && edge.saturation() > 60, qPrintable(edge.name()));
    }
};

QTEST_MAIN(TestScreenKit)
#include "tst_screen_kit.moc"
