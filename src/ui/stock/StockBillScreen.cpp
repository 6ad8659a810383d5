#include "ui/stock/StockBillScreen.h"

#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "print/stock/TForm_billReport_out.h"
#include "print/stock/TForm_billReportin.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"

#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

StockBillScreen::StockBillScreen(AppContext &ctx, StockBillsForm::Kind kind, const QString &caption, QWidget *parent)
    : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx, kind)
{
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    printButton = new QPushButton(QStringLiteral("打印单据"), this);
    printButton->setFlat(true);
    splitter = new QSplitter(Qt::Vertical, this);
    makeList(m_form, {printButton});

    // Lines change only with their movements: the list only reads.
    linesGrid = addDetailList(&m_form.lines(), QStringLiteral("单据明细"), [this](int row) { m_form.showLines(row); }, splitter);
    splitter->addWidget(list);
    splitter->addWidget(linesGrid);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    // After a database error the bills are read again, so what they show is what the file holds.
    m_keys->onError([this] { m_form.refresh(); });
    connect(printButton, &QPushButton::clicked, this, [this] { m_keys->run([this] { printBill(); }); });

    m_form.open();
}

void StockBillScreen::printBill()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const StockBillSheet sheet = m_form.sheet(row);
    const ReportLayout layout = m_form.kind() == StockBillsForm::Kind::StockIn ? TForm_billReportin::layout(sheet)
                                                                                : TForm_billReport_out::layout(sheet);
    TForm_Preview::showDocument(m_ctx.prompt(), layout, this);
}
