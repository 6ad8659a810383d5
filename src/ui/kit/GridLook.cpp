#include "ui/kit/GridLook.h"

#include "ui/kit/MoneyDelegate.h"

#include <QHeaderView>
#include <QTableView>

void GridLook::apply(QTableView *grid, const QList<int> &moneyColumns)
{
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setAlternatingRowColors(true);
    grid->setTabKeyNavigation(false); // Tab leaves a list; the arrow keys move within it
    for (int column : moneyColumns)
        grid->setItemDelegateForColumn(column, new MoneyDelegate(grid));
}
