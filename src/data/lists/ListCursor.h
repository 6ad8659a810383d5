#pragma once

#include <QVariant>

// Where the next page of a list starts: after the last row fetched.
struct ListCursor
{
    bool atStart = true;
    QVariant sortValue; // the last row's sort value
    qint64 key = 0;     // and its row key
};
