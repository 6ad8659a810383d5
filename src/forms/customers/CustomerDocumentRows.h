#pragma once

#include "core/app/RowSource.h"
#include "data/lists/ListQuery.h"

#include <QStringList>
#include <memory>

class Database;

// The rows a customer document prints: the customers of a list (its conditions and order, so
// exactly the rows on screen), each with the directory columns the document names, read a page
// at a time as the document is laid out.
namespace CustomerDocumentRows {
std::shared_ptr<RowSource> of(Database &db, const ListQuery &shown, const QStringList &columns);
}
