#pragma once

#include <QString>

// The custom repair-number plan, the first row of "编号计划".
struct NumberPlan
{
    QString prefix = QStringLiteral("WX-");
    int digits = 4;
    qint64 next = 1;
};
