#pragma once

#include <QDate>

// What a mode's conditions may depend on: today (for "this month") and the day the operator
// chose when the screen was opened.
struct ListArgs
{
    QDate today;
    QDate day;
};
