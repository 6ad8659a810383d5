#pragma once

#include <QList>
#include <QStringList>

// The rows of a long document where they are kept (a list of the database), read a stretch at a
// time as the document lays out its pages, so that a document of every customer never holds all
// of them at once. Each row is the texts of its columns, as printed.
class RowSource
{
public:
    virtual ~RowSource() = default;

    // How many rows there are now.
    virtual qint64 count() = 0;
    // Up to n rows from the first'th (0-based), in order. Reading on from where the previous call
    // ended is the cheap case (a document written page after page); any other start costs a seek.
    virtual QList<QStringList> rows(qint64 first, int n) = 0;
};
