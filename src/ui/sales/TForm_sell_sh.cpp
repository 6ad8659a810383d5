#include "ui/sales/TForm_sell_sh.h"

#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/lists/RemarksMemo.h"
#include "ui/sales/SalesDocuments.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

TForm_sell_sh::TForm_sell_sh(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("销售查询"));
    auto *layout = new QVBoxLayout(this);
    makeList(m_form);

    auto *bottom = new QWidget(this);
    auto *bottomRow = new QHBoxLayout(bottom);
    bottomRow->setContentsMargins(0, 0, 0, 0);
    linesGrid = addDetailList(&m_form.lines(), QStringLiteral("销售明细"), [this](int row) { m_form.showLines(row); }, bottom);
    auto *side = new QVBoxLayout;
    printButton = new QPushButton(QStringLiteral("打印[&P]"), bottom);
    remarksEdit = new QPlainTextEdit(bottom);
    side->addWidget(printButton);
    side->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注：")));
    side->addWidget(remarksEdit, 1);
    bottomRow->addWidget(linesGrid, 3);
    bottomRow->addLayout(side, 1);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(list);
    split->addWidget(bottom);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);

    m_keys->button(printButton, [this] { print(); });
    m_keys->field(remarksEdit);
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] { m_form.refresh(); });

    showBill = [this](const QString &number) { SalesDocuments::showSalesBill(m_ctx, number, this); };

    m_remarks = new RemarksMemo(
        list, m_form, remarksEdit, [this](int row) { return m_form.remarks(row); },
        [this](int row, const QString &text) { m_form.saveRemarks(row, text); });

    m_form.load();
}

void TForm_sell_sh::print()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_remarks->save();
    showBill(m_form.number(row));
}
