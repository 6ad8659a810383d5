// The current stock worked from the keyboard, opened as the main window opens it: the focus in
// the search text, searches and the mode box, the tick box, red rows, the correction dialog and
// the list printout; the welcome link's warning view, which lasts for the rest of the run.
#include "../print/PdfText.h"
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"
#include "ui/stock/TForm_curstock.h"
#include "ui/stock/TForm_updateStock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Keyboard;

namespace {
void stock(TestDatabase &t)
{
    const char *rows[][6] = {{"N1", "屏幕A", "-2", "0", "甲商", "负数"},
                             {"Z0", "电池", "0", "5", "乙商", ""},
                             {"P3", "屏幕B", "3", "5", "甲商", "常用"},
                             {"P8", "键盘", "8", "0", "乙商", ""},
                             {"P20", "屏幕C", "20", "0", "丙商", ""}};
    for (const auto &r : rows)
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 类别, 库存, 警戒库存, 供货商, 进货单价, 备注) VALUES (?, ?, '类', ?, ?, ?, 15000, ?)"),
               {r[0], r[1], QString::fromUtf8(r[2]).toLongLong(), QString::fromUtf8(r[3]).toLongLong(), r[4], r[5]});
}

QStringList listed(TForm_curstock *s)
{
    QStringList out;
    for (int r = 0; r < s->form().rowCount(); ++r)
        out << s->form().partNo(r);
    return out;
}

bool drawnRed(TForm_curstock *s, int row)
{
    const QVariant v = s->grid->model()->data(s->grid->model()->index(row, 7), Qt::BackgroundRole);
    return v.value<QBrush>().color() == QColor(Qt::red);
}

// The window manager activating a window again once a dialog over it closed.
void backTo(QWidget *w)
{
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    explicit Shop(quint32 rights = Rights::SuperUser)
    {
        t.ctx.OperatorRights = rights;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        stock(t);
        main = std::make_unique<TForm_main>(t.ctx, nullptr, &ScreenCatalog::instance());
        main->startSession();
        main->show();
    }
    TForm_curstock *screen() const { return qobject_cast<TForm_curstock *>(main->currentScreen()); }
};
} // namespace

class tst_current_stock_screen : public QObject
{
    Q_OBJECT
private slots:
    void keyboardFlow()
    {
        Shop s;
        QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
        s.main->pressPanelButton(QStringLiteral("当前库存"));
        TForm_curstock *w = s.screen();
        QVERIFY(w);
        QCOMPARE(s.main->status(), QStringLiteral(" 当前库存"));
        QTRY_COMPARE(focused(), w->searchBox);
        QCOMPARE(listed(w), (QStringList{"N1", "Z0", "P3", "P8", "P20"}));
        QCOMPARE(w->totalEdit->text(), QStringLiteral("47")); // 3 + 8 + 20 at 1.5; -2 left out
        QCOMPARE(w->remarksEdit->toPlainText(), QStringLiteral("负数"));
        // Red where the level is at or above the stock: -2/0, 0/5, 3/5.
        QCOMPARE((QList<bool>{drawnRed(w, 0), drawnRed(w, 1), drawnRed(w, 2), drawnRed(w, 3), drawnRed(w, 4)}),
                 (QList<bool>{true, true, true, false, false}));

        // The mode box: two steps down to the names, Enter back to the text, a search.
        tab();
        QCOMPARE(focused(), w->searchModeBox);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("按配件名称搜索"));
        enter();
        QCOMPARE(focused(), w->searchBox);
        type(QStringLiteral("屏幕"));
        enter();
        QCOMPARE(listed(w), (QStringList{"N1", "P3", "P20"}));
        QCOMPARE(focused(), w->searchBox);

        // The tick box after "查询[&F]": from the next list on, no rows without stock.
        tab();
        tab();
        QCOMPARE(focused(), w->findButton);
        tab();
        QCOMPARE(focused(), w->hideZeroBox);
        press(Qt::Key_Space);
        QVERIFY(w->hideZeroBox->isChecked());
        QCOMPARE(listed(w).size(), 3);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), w->searchModeBox);
        for (int i = 0; i < 5; ++i)
            press(Qt::Key_Down);
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("低于警戒库存")); // listed at once
        QCOMPARE(listed(w), QStringList{"P3"});
        QCOMPARE(w->searchBox->text(), QString());

        // Into the grid; Enter opens the correction of the row, worked from the keyboard too.
        tab();
        tab();
        tab();
        QCOMPARE(focused(), w->grid);
        bool corrected = false;
        whenModal([&](QWidget *m) {
            auto *d = qobject_cast<TForm_updateStock *>(m);
            QVERIFY(d);
            QCOMPARE(d->partNoEdit->text(), QStringLiteral("P3"));
            QCOMPARE(focused(), d->nameEdit);
            for (int i = 0; i < 4; ++i)
                tab();
            QCOMPARE(focused(), d->quantityEdit);
            type(QStringLiteral("多")); // not a number: refused, the dialog stays
            enter();
            QCOMPARE(focused(), d->okButton); // Enter in a field saves nothing by itself
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("库存必须为整数！"));
            QVERIFY(d->isVisible());
            press(Qt::Key_Tab, Qt::ShiftModifier); // back to the fields: the last one
            for (int i = 0; i < 5; ++i)
                press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focused(), d->quantityEdit);
            type(QStringLiteral("9"));
            enter();
            enter();
            corrected = !d->isVisible();
        });
        enter();
        QVERIFY(corrected);
        QCOMPARE(s.t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'P3'")).toLongLong(), 9);
        // Listed again: P3 is no longer below its level. Back in the grid (without a window
        // manager the main window is activated again by hand).
        QCOMPARE(listed(w), QStringList());
        QCOMPARE(s.main->focusWidget(), w->grid);
        backTo(s.main.get());

        // "显示全部" with the box ticked, then the list printout from its button, exported as PDF.
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), w->searchModeBox);
        for (int i = 0; i < 7; ++i)
            press(Qt::Key_Up);
        QCOMPARE(listed(w), (QStringList{"P3", "P8", "P20"}));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        s.t.prompter.files.enqueue(pdf);
        bool previewed = false;
        whenModal([&](QWidget *m) {
            auto *preview = qobject_cast<TForm_Preview *>(m);
            QVERIFY(preview);
            QTRY_VERIFY(preview->store().isFinished());
            press(Qt::Key_S, Qt::ControlModifier);
            press(Qt::Key_Escape);
            previewed = !preview->isVisible();
        });
        while (focused() != w->printListButton)
            tab();
        enter();
        QVERIFY(previewed);
        backTo(s.main.get());
        QCOMPARE(focused(), w->printListButton);
        const QString text = PdfText::compact(pdf);
        QVERIFY2(text.contains(QStringLiteral("P3屏幕B类9P8键盘类8P20屏幕C类20库存总价值:47当前日期：2026年3月9日")), qPrintable(text));
    }

    // Without the super user's role the correction is refused from the grid as from the button.
    void correctionRefused()
    {
        Shop s(quint32(Right::StockQuery));
        s.main->selectNode(QStringLiteral("当前库存"));
        TForm_curstock *w = s.screen();
        QVERIFY(w);
        QTRY_COMPARE(focused(), w->searchBox);
        while (focused() != w->grid)
            tab();
        enter();
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        while (focused() != w->updateButton)
            tab();
        enter();
        QCOMPARE(s.t.prompter.texts().size(), 2);
        QCOMPARE(s.t.count(QStringLiteral("库存"), QStringLiteral("库存 = 9")), 0);
    }

    // The welcome screen's below-warning link opens the warning view; once used, the view is
    // where the screen opens for the rest of the run, from the tree and the panel too.
    void warningLink()
    {
        Shop s;
        QCOMPARE(s.main->welcome() != nullptr, true);
        s.main->panelAction(QStringLiteral("StockWarning"));
        TForm_curstock *w = s.screen();
        QVERIFY(w);
        QCOMPARE(s.t.ctx.StockWarningMode, 1);
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("低于警戒库存"));
        QCOMPARE(listed(w), (QStringList{"N1", "Z0", "P3"}));
        QTRY_COMPARE(focused(), w->searchBox);

        s.main->selectNode(QStringLiteral("当前库存"));
        w = s.screen();
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("低于警戒库存"));
        QCOMPARE(listed(w).size(), 3);
        s.main->panelAction(QStringLiteral("ViewStock"));
        QCOMPARE(s.screen()->form().warningView(), true);
    }
};

QTEST_MAIN(tst_current_stock_screen)
#include "tst_current_stock_screen.moc"
