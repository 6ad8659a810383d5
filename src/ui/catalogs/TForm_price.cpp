#include "ui/catalogs/TForm_price.h"

#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TForm_price::TForm_price(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("配件定价"));
    auto *layout = new QVBoxLayout(this);
    grid = new QTableWidget(0, 5, this);
    grid->setHorizontalHeaderLabels({QStringLiteral("配件编号"), QStringLiteral("配件名称"), QStringLiteral("类别"),
                                     QStringLiteral("销售价"), QStringLiteral("维修更换价")});
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setAccessibleName(QStringLiteral("配件价格"));
    GridLook::apply(grid, {3, 4});
    layout->addWidget(grid, 1);

    auto *panel = new QFormLayout;
    saleEdit = new QLineEdit(this);
    repairEdit = new QLineEdit(this);
    latestPrice = new QLabel(this);
    panel->addRow(ScreenKit::caption(saleEdit, QStringLiteral("销售价：")), saleEdit);
    panel->addRow(ScreenKit::caption(repairEdit, QStringLiteral("维修更换价：")), repairEdit);
    panel->addRow(ScreenKit::caption(latestPrice, QStringLiteral("最新进价：")), latestPrice);
    layout->addLayout(panel);

    auto *buttons = new QHBoxLayout;
    changeButton = new QPushButton(QStringLiteral("修改[&M]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch(1);
    buttons->addWidget(changeButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);
    setEditing(false);

    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row != previous)
            onRowChanged(row);
    });
    // The list, then the two prices, then "修改[&M]"/"保存[&S]".
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(grid, {}, ScreenKit::Walk::Aside);
    m_keys->field(saleEdit);
    m_keys->field(repairEdit);
    m_keys->button(changeButton, [this] { onChange(); });
    m_keys->button(exitButton, [this] { reject(); });
    resize(640, 480);
}

void TForm_price::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_keys->run([this] { m_form.open(); });
    const QList<PartRecord> &parts = m_form.parts();
    grid->setRowCount(int(parts.size()));
    for (int r = 0; r < parts.size(); ++r)
        showRow(r);
    if (!parts.isEmpty())
        grid->setCurrentCell(0, 0);
}

void TForm_price::showRow(int r)
{
    const PartRecord &p = m_form.parts().at(r);
    const QString cells[] = {p.partNo, p.name, p.category, p.salePrice.toText(), p.repairPrice.toText()};
    for (int c = 0; c < 5; ++c)
        grid->setItem(r, c, new QTableWidgetItem(cells[c]));
}

void TForm_price::onRowChanged(int row)
{
    if (row < 0 || row >= m_form.parts().size()) {
        saleEdit->clear();
        repairEdit->clear();
        latestPrice->clear();
        return;
    }
    const PartRecord &p = m_form.parts().at(row);
    saleEdit->setText(p.salePrice.toText());
    repairEdit->setText(p.repairPrice.toText());
    latestPrice->setText(m_form.latestPurchasePrice(row));
}

void TForm_price::setEditing(bool editing)
{
    saleEdit->setReadOnly(!editing);
    repairEdit->setReadOnly(!editing);
    grid->setEnabled(!editing);
    changeButton->setText(editing ? QStringLiteral("保存[&S]") : QStringLiteral("修改[&M]"));
}

void TForm_price::onChange()
{
    if (!m_form.isEditing()) {
        if (!m_form.beginChange())
            return;
        setEditing(true);
        ScreenKit::focus(saleEdit);
        return;
    }
    const int row = grid->currentRow();
    if (!m_form.endChange(row, saleEdit->text(), repairEdit->text()))
        return;
    setEditing(false);
    if (row >= 0)
        showRow(row);
}

void TForm_price::done(int result)
{
    // Closing by any way stores the pending prices, once.
    if (!m_closed) {
        m_closed = true;
        m_keys->run([this] { m_form.close(); });
    }
    QDialog::done(result);
}
