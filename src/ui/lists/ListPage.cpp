#include "ui/lists/ListPage.h"

#include "data/lists/ListColumn.h"
#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

#include <QHeaderView>
#include <QTableView>
#include <memory>

namespace {
QList<int> moneyColumns(const QAbstractItemModel *model)
{
    QList<int> out;
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal, ListColumn::FormatRole).toInt() == int(ListFormat::Money))
            out << c;
    return out;
}
} // namespace

ListPage::ListPage(AppContext &ctx, QWidget *parent) : QWidget(parent), m_keys(new ScreenKit(this, ctx.prompter))
{
}

QTableView *ListPage::readOnlyList(QAbstractItemModel *model, const QString &name, QWidget *parent)
{
    auto *grid = new QTableView(parent);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (!name.isEmpty())
        grid->setAccessibleName(name);
    // Even record numbers are drawn on the tooltip colour with black text.
    QPalette pal = grid->palette();
    pal.setColor(QPalette::AlternateBase, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, Qt::black);
    grid->setPalette(pal);
    // Fixed row heights: the grid never measures rows, however many are fetched.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(22);

    // A list model names its columns when it first lists: the money columns follow it.
    auto shown = std::make_shared<QList<int>>(moneyColumns(model));
    GridLook::apply(grid, *shown);
    QObject::connect(model, &QAbstractItemModel::modelReset, grid, [grid, model, shown] {
        const QList<int> now = moneyColumns(model);
        for (int c : *shown)
            if (!now.contains(c))
                grid->setItemDelegateForColumn(c, nullptr);
        QList<int> added;
        for (int c : now)
            if (!shown->contains(c))
                added << c;
        GridLook::apply(grid, added);
        *shown = now;
    });
    return grid;
}

ListScreen *ListPage::makeList(ListForm &form, const QList<QWidget *> &besideFind)
{
    list = new ListScreen(form, *m_keys, this, besideFind);
    searchBox = list->searchBox;
    searchModeBox = list->searchModeBox;
    findButton = list->findButton;
    sortBox = list->sortBox;
    grid = list->grid;
    setFocusProxy(list);
    return list;
}

QTableView *ListPage::addDetailList(QAbstractItemModel *lines, const QString &name, std::function<void(int row)> show,
                                   QWidget *parent)
{
    QTableView *detail = readOnlyList(lines, name, parent);
    m_keys->field(detail);
    connect(list, &ListScreen::currentRowChanged, detail, [show = std::move(show)](int row) { show(row); });
    return detail;
}

int ListPage::currentRow() const
{
    return list->currentRow();
}
