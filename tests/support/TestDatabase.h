#pragma once

#include "ScriptedPrompter.h"
#include "data/db/Database.h"
#include "forms/app/AppContext.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

// A fresh database file built from the real schema in a temporary AppDir, with a context and a
// scripted prompter wired to it. Raw SQL here is for arranging fixtures and reading results only.
class TestDatabase
{
public:
    TestDatabase();

    AppContext ctx;
    ScriptedPrompter prompter;

    Database &db() { return *m_db; }
    QString dir() const { return m_dir.path(); }
    QString path() const { return m_db->path(); }

    // Runs a statement with positional values; fails the test on error.
    QSqlQuery exec(const QString &statement, const QVariantList &values = {});
    QVariant scalar(const QString &statement, const QVariantList &values = {});
    int count(const QString &table, const QString &where = QString(), const QVariantList &values = {});

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};
