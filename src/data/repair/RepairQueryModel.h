#pragma once

#include "core/repair/RepairJob.h"
#include "core/repair/RepairQueryRules.h"

#include <QAbstractTableModel>
#include <QVariantList>

class Database;

// The job list of the repair query: the rows of one RepairQueryCriteria, fetched a page at a time as
// the grid scrolls, so even the full list of a ten-year shop shows at once.
class RepairQueryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int PageSize = 200;

    explicit RepairQueryModel(Database &db, QObject *parent = nullptr);

    // Runs the listing and fetches its first page.
    void run(const RepairQueryCriteria &criteria);
    const RepairQueryCriteria &criteria() const { return m_criteria; }

    // The grid's captions and the "维修" column each shows.
    static const QStringList &headers();
    static const QStringList &sourceColumns();

    const RepairJob &job(int row) const { return m_rows.at(row); }
    int loadedRows() const { return int(m_rows.size()); }
    // Replaces the remarks of a loaded row (after the memo wrote them).
    void setRemarks(int row, const QString &remarks);
    // The number of every row, fetching all of them (tests and small lists).
    QStringList allNumbers();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex &parent = QModelIndex()) override;

    // The where clause and its values for the criteria (empty clause: every row).
    static QString whereClause(const RepairQueryCriteria &criteria, QVariantList &values);

private:
    QList<RepairJob> fetchPage(int offset) const;

    Database &m_db;
    RepairQueryCriteria m_criteria;
    QString m_statement;
    QVariantList m_values;
    QList<RepairJob> m_rows;
    bool m_more = false;
};
