#pragma once

#include <QList>

class QTableView;

// How every list of the program looks: its last column takes the spare width, its rows alternate
// in shade, and its money columns show right-aligned with two decimals.
namespace GridLook {
void apply(QTableView *grid, const QList<int> &moneyColumns = {});
}
