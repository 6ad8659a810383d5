#include "ui/catalogs/TForm_price.h"

#include "forms/app/AppContext.h"
#include "forms/lists/RowListModel.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_price::TForm_price(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("配件定价"));
    auto *layout = new QVBoxLayout(this);
    grid = ListPage::readOnlyList(&m_form.list(), QStringLiteral("配件价格"), this);
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

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { onRowChanged(current.isValid() ? current.row() : -1); });
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
    if (!m_form.parts().isEmpty())
        grid->selectRow(0);
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
    const QModelIndex current = grid->currentIndex();
    if (!m_form.endChange(current.isValid() ? current.row() : -1, saleEdit->text(), repairEdit->text()))
        return;
    setEditing(false);
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
