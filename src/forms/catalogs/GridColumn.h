#pragma once

#include "data/db/ColumnRef.h"

#include <QString>

// One column of a list grid: the caption the screen shows over it and the column it shows.
struct GridColumn
{
    QString caption;
    ColumnRef column;
};
