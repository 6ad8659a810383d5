#pragma once

#include "data/tools/Note.h"

#include <QList>

class Database;

// The notes of "记事本", read all at once and written back as one batch.
class NotebookStore
{
public:
    explicit NotebookStore(Database &db) : m_db(db) {}

    // Every note, in the order they were written.
    QList<Note> all() const;
    // Deletes, changes and adds notes in one transaction: all of them land, or none (DbError).
    // Notes to change carry their key; new ones key 0.
    void save(const QList<qint64> &deleted, const QList<Note> &changed, const QList<Note> &added);

private:
    Database &m_db;
};
