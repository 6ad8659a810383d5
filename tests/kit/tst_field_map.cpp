// The field map on small screens of its own: the copying between inputs and form both ways, the
// checks Enter runs (a refusal keeps the focus, a named field takes it), the walk in the order the
// fields are declared, and a card of many text fields with GBK byte limits.
#include "Keyboard.h"
#include "ScriptedPrompter.h"
#include "core/app/GbkText.h"
#include "core/app/Money.h"
#include "ui/kit/FieldMap.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;
using Step = ScreenKit::Step;

namespace {
void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// A form of every kind of value the map carries.
struct Form
{
    enum class Field { None, Name, Class, Kind, Memo, Date, Time, Paid, Amount, Lookup };
    QString name, customerClass, kind, memo, lookup;
    QDate date;
    QTime time;
    bool paid = false;
    Money amount;
};

struct Screen : QDialog
{
    using F = Form::Field;
    Form form;
    ScriptedPrompter prompter;
    // Created in an order unlike the walk, so the walk can only come from the declarations.
    QPushButton *saveButton = new QPushButton(QStringLiteral("保存[&S]"), this);
    QPlainTextEdit *memoEdit = new QPlainTextEdit(this);
    QComboBox *kindBox = new QComboBox(this);  // fixed items
    QComboBox *classBox = new QComboBox(this); // editable
    QLineEdit *amountEdit = new QLineEdit(this);
    QLineEdit *lookupEdit = new QLineEdit(this);
    QLineEdit *readOnlyEdit = new QLineEdit(this);
    QDateEdit *dateEdit = new QDateEdit(this);
    QTimeEdit *timeEdit = new QTimeEdit(this);
    QCheckBox *paidBox = new QCheckBox(QStringLiteral("已付"), this);
    QLineEdit *nameEdit = new QLineEdit(this);
    QString shownOnly = QStringLiteral("只显示");
    ScreenKit *keys = new ScreenKit(this, &prompter);
    FieldMap fields{keys};
    int saved = 0;

    Screen()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{saveButton, memoEdit, kindBox, classBox, amountEdit, lookupEdit,
                                                          readOnlyEdit, dateEdit, timeEdit, paidBox, nameEdit})
            layout->addWidget(w);
        kindBox->addItems({QStringLiteral("普通"), QStringLiteral("加急")});
        classBox->setEditable(true);
        classBox->addItems({QStringLiteral("普通客户"), QStringLiteral("大客户")});
        readOnlyEdit->setReadOnly(true);

        // The name must not be empty; the class names the name when it is "?"; the look-up fills
        // the memo and leads to the save button.
        fields.field(nameEdit, &form.name).as(F::Name).check([this] {
            if (!form.name.trimmed().isEmpty())
                return true;
            prompter.warning(QStringLiteral("名称不能为空！"));
            return false;
        });
        fields.field(classBox, &form.customerClass).as(F::Class).check([this] {
            return form.customerClass == QStringLiteral("?") ? F::Name : F::Kind;
        });
        fields.field(kindBox, &form.kind).as(F::Kind);
        fields.field(readOnlyEdit, [this] { return shownOnly; }, {});
        fields.field(lookupEdit, &form.lookup).as(F::Lookup).then(saveButton).check([this] {
            form.memo = QStringLiteral("查到：") + form.lookup;
        });
        keys->button(saveButton, [this] { ++saved; });
        fields.field(amountEdit, [this] { return form.amount.toText(); },
                     [this](const QString &t) { form.amount = Money::parse(t).value_or(form.amount); })
            .as(F::Amount);
        fields.field(dateEdit, &form.date).as(F::Date);
        fields.field(timeEdit, &form.time).as(F::Time);
        fields.field(paidBox, &form.paid).as(F::Paid);
        fields.field(memoEdit, &form.memo).as(F::Memo);
    }
};
} // namespace

class TestFieldMap : public QObject
{
    Q_OBJECT
private slots:
    void copiesBothWays()
    {
        Screen s;
        Form &f = s.form;
        f.name = QStringLiteral("张三");
        f.customerClass = QStringLiteral("临时客户"); // not an item: an editable box takes it as typed
        f.kind = QStringLiteral("加急");
        f.memo = QStringLiteral("第一行\n第二行");
        f.date = QDate(2024, 6, 20);
        f.time = QTime(9, 30, 5);
        f.paid = true;
        f.amount = Money::fromUnits(125000);
        s.fields.show();
        QCOMPARE(s.nameEdit->text(), QStringLiteral("张三"));
        QCOMPARE(s.classBox->currentText(), QStringLiteral("临时客户"));
        QCOMPARE(s.kindBox->currentIndex(), 1);
        QCOMPARE(s.memoEdit->toPlainText(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(s.dateEdit->date(), QDate(2024, 6, 20));
        QCOMPARE(s.timeEdit->time(), QTime(9, 30, 5));
        QVERIFY(s.paidBox->isChecked());
        QCOMPARE(s.amountEdit->text(), QStringLiteral("12.5"));
        QCOMPARE(s.readOnlyEdit->text(), QStringLiteral("只显示"));

        // A value a fixed box does not offer shows no item, not the one shown before.
        f.kind = QStringLiteral("不存在");
        s.fields.show(Form::Field::Kind);
        QCOMPARE(s.kindBox->currentIndex(), -1);
        // One field shown alone leaves the others as they are.
        QCOMPARE(s.nameEdit->text(), QStringLiteral("张三"));

        // What was typed goes back into the form; an amount that is not one keeps the old value;
        // a field that is only shown is not taken back.
        s.nameEdit->setText(QStringLiteral("李四"));
        s.classBox->setEditText(QStringLiteral("大客户"));
        s.kindBox->setCurrentIndex(0);
        s.memoEdit->setPlainText(QStringLiteral("改过"));
        s.dateEdit->setDate(QDate(2024, 7, 1));
        s.timeEdit->setTime(QTime(18, 0));
        s.paidBox->setChecked(false);
        s.amountEdit->setText(QStringLiteral("abc"));
        s.readOnlyEdit->setText(QStringLiteral("改不了"));
        s.fields.read();
        QCOMPARE(f.name, QStringLiteral("李四"));
        QCOMPARE(f.customerClass, QStringLiteral("大客户"));
        QCOMPARE(f.kind, QStringLiteral("普通"));
        QCOMPARE(f.memo, QStringLiteral("改过"));
        QCOMPARE(f.date, QDate(2024, 7, 1));
        QCOMPARE(f.time, QTime(18, 0));
        QVERIFY(!f.paid);
        QCOMPARE(f.amount, Money::fromUnits(125000));
        QCOMPARE(s.shownOnly, QStringLiteral("只显示"));

        // Showing what the input already holds leaves its cursor where the operator put it.
        s.nameEdit->setCursorPosition(1);
        s.memoEdit->moveCursor(QTextCursor::Start);
        s.fields.show();
        QCOMPARE(s.nameEdit->cursorPosition(), 1);
        QCOMPARE(s.memoEdit->textCursor().position(), 0);
    }

    void checksOnEnter()
    {
        Screen s;
        showActive(&s);
        QTRY_COMPARE(focused(), s.nameEdit); // the first field declared starts
        enter();
        QCOMPARE(s.prompter.last(), QStringLiteral("名称不能为空！"));
        QCOMPARE(focused(), s.nameEdit); // refused: the focus stays
        type(QStringLiteral("王五"));
        enter();
        QCOMPARE(focused(), s.classBox);
        type(QStringLiteral("?"));
        enter(); // the check names another field: the focus goes there
        QCOMPARE(focused(), s.nameEdit);
        QCOMPARE(s.nameEdit->selectedText(), QStringLiteral("王五")); // as the keyboard moves it
        enter();
        type(QStringLiteral("普通客户"));
        enter();
        QCOMPARE(focused(), s.kindBox);
        enter(); // passes over the read-only field
        QCOMPARE(focused(), s.lookupEdit);
        type(QStringLiteral("P01"));
        enter(); // what the check put into the form is shown; then() leads to the button
        QCOMPARE(s.memoEdit->toPlainText(), QStringLiteral("查到：P01"));
        QCOMPARE(focused(), s.saveButton);
        enter();
        QCOMPARE(s.saved, 1);
        QCOMPARE(s.form.name, QStringLiteral("王五"));
        QCOMPARE(s.form.customerClass, QStringLiteral("普通客户"));
    }

    void walksInTheDeclaredOrder()
    {
        Screen s;
        showActive(&s);
        QTRY_COMPARE(focused(), s.nameEdit);
        const QList<QWidget *> order = {s.classBox,   s.kindBox,  s.readOnlyEdit, s.lookupEdit, s.saveButton,
                                        s.amountEdit, s.dateEdit, s.timeEdit,     s.paidBox,    s.memoEdit};
        for (QWidget *w : order) {
            tab();
            QCOMPARE(focused(), w);
        }
    }

    void focusOnTheNamedField()
    {
        Screen s;
        showActive(&s);
        QTRY_COMPARE(focused(), s.nameEdit);
        s.form.memo = QStringLiteral("保存失败的原因");
        s.fields.go(Form::Field::Amount); // after an action: the form shown, the field focused
        QCOMPARE(focused(), s.amountEdit);
        QCOMPARE(s.memoEdit->toPlainText(), QStringLiteral("保存失败的原因"));
        s.fields.go(Form::Field::None); // a name declared nowhere: the focus stays
        QCOMPARE(focused(), s.amountEdit);
        s.fields.target(Form::Field::None, s.saveButton);
        s.fields.focus(Form::Field::None);
        QCOMPARE(focused(), s.saveButton);
    }

    // A card of twenty-five text fields, each with its limit in GBK bytes, declared in one loop:
    // Enter refuses a field over its limit and leads from any other to "保存"; the save names the
    // first field over its limit.
    void cardOfManyFieldsWithByteLimits()
    {
        constexpr int Count = 25;
        struct Card
        {
            QString values[Count];
            int limit(int i) const { return i % 2 ? 3 : 10; }
            bool fits(int i) const { return GbkText::fits(values[i].trimmed(), limit(i)); }
            int firstTooLong() const
            {
                for (int i = 0; i < Count; ++i)
                    if (!fits(i))
                        return i + 1;
                return 0;
            }
        } card;
        QDialog d;
        ScriptedPrompter prompter;
        auto *keys = new ScreenKit(&d, &prompter);
        FieldMap fields(keys);
        auto *layout = new QFormLayout(&d);
        auto *save = new QPushButton(QStringLiteral("保存[&S]"), &d);
        QList<QLineEdit *> edits;
        for (int i = 0; i < Count; ++i) {
            auto *e = new QLineEdit(&d);
            layout->addRow(ScreenKit::caption(e, QStringLiteral("字段%1：").arg(i + 1)), e);
            fields.field(e, &card.values[i]).as(i + 1).then(save).check([&card, &prompter, i] {
                if (card.fits(i))
                    return true;
                prompter.warning(QStringLiteral("字段%1太长，请简写！").arg(i + 1));
                return false;
            });
            edits << e;
        }
        layout->addRow(save);
        int saved = 0;
        keys->button(save, [&] {
            fields.read();
            if (const int refused = card.firstTooLong()) {
                prompter.warning(QStringLiteral("字段%1太长，请简写！").arg(refused));
                fields.go(refused);
                return;
            }
            ++saved;
        });
        card.values[19] = QStringLiteral("超长的内容"); // 10 bytes in a field of 3
        fields.show();
        showActive(&d);
        QTRY_COMPARE(focused(), edits[0]);
        type(QStringLiteral("一二三四五六")); // 12 bytes in a field of 10
        enter();
        QCOMPARE(prompter.last(), QStringLiteral("字段1太长，请简写！"));
        QCOMPARE(focused(), edits[0]);
        type(QStringLiteral("一二三四五")); // 10 bytes: the refused text was selected, typing replaced it
        tab();
        type(QStringLiteral("一二")); // 4 bytes in a field of 3
        enter();
        QCOMPARE(prompter.last(), QStringLiteral("字段2太长，请简写！"));
        QCOMPARE(focused(), edits[1]);
        type(QStringLiteral("一a")); // 3 bytes
        enter();
        QCOMPARE(focused(), save);
        enter();
        QCOMPARE(prompter.last(), QStringLiteral("字段20太长，请简写！"));
        QCOMPARE(focused(), edits[19]);
        QCOMPARE(saved, 0);
        type(QStringLiteral("短"));
        enter();
        QCOMPARE(focused(), save);
        enter();
        QCOMPARE(saved, 1);
        QCOMPARE(card.values[0], QStringLiteral("一二三四五"));
        QCOMPARE(card.values[1], QStringLiteral("一a"));
        QCOMPARE(card.values[19], QStringLiteral("短"));
    }
};

QTEST_MAIN(TestFieldMap)
#include "tst_field_map.moc"
