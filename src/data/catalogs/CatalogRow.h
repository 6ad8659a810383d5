#pragma once

#include <QStringList>

// One row of a catalog table as the editors see it: its row key and the texts of the declared
// columns, in the declared order (numbers in their shortest decimal text).
struct CatalogRow
{
    qint64 key = 0;
    QStringList values;

    bool isValid() const { return key != 0; }
};
