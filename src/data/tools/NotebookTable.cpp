#include "data/tools/NotebookTable.h"

#include "data/db/TableMap.h"
#include "data/tools/Note.h"

const TableMap<Note> &NotebookTable::map()
{
    static const auto m = TableMap<Note>(QString::fromUtf8(Table))
                              .rowKey(&Note::key)
                              .column(Date, &Note::date)
                              .column(Subject, &Note::subject)
                              .column(Content, &Note::content)
                              .column(Author, &Note::author);
    return m;
}
