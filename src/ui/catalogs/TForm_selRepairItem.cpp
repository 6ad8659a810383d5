#include "ui/catalogs/TForm_selRepairItem.h"

#include "forms/catalogs/RepairItemPickerForm.h"

#include <QHeaderView>
#include <QKeyEvent>
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
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->installEventFilter(this);
    layout->addWidget(grid);

    m_items = RepairItemPickerForm(ctx).items();
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

bool TForm_selRepairItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
