#include "ui/catalogs/TForm_selRepairItem.h"

#include "forms/app/AppContext.h"
#include "forms/catalogs/RepairItemPickerForm.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

TForm_selRepairItem::TForm_selRepairItem(AppContext &ctx, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("选择维修项目"));
    auto *layout = new QVBoxLayout(this);
    grid = new QTableWidget(0, 2, this);
    grid->setHorizontalHeaderLabels({QStringLiteral("维修项目"), QStringLiteral("收费")});
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setAccessibleName(QStringLiteral("维修项目"));
    GridLook::apply(grid, {1});
    layout->addWidget(grid);

    // Enter in the list chooses its current row.
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->route(grid, [this] {
        chooseCurrent();
        return ScreenKit::Step::done();
    });
    keys->run([&] { m_items = RepairItemPickerForm(ctx).items(); });
    grid->setRowCount(int(m_items.size()));
    for (int i = 0; i < m_items.size(); ++i) {
        grid->setItem(i, 0, new QTableWidgetItem(m_items.at(i).name));
        grid->setItem(i, 1, new QTableWidgetItem(m_items.at(i).charge.toText()));
    }
    if (!m_items.isEmpty())
        grid->setCurrentCell(0, 0);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this](int, int) { chooseCurrent(); });
    resize(360, 380);
}

std::optional<RepairItemChoice> TForm_selRepairItem::choose(AppContext &ctx, QWidget *parent)
{
    TForm_selRepairItem dialog(ctx, parent);
    dialog.exec();
    return dialog.chosen();
}

void TForm_selRepairItem::chooseCurrent()
{
    if (!m_items.isEmpty()) {
        const int row = grid->currentRow() >= 0 ? grid->currentRow() : 0;
        m_chosen = m_items.value(row);
    }
    accept();
}
