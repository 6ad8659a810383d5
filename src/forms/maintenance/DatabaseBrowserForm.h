#pragma once

#include <QList>
#include <QString>
#include <memory>

class BatchTableModel;
struct AppContext;

// "后台数据库": the raw rows of the main tables, edited in place as one batch per table, and the
// shown table exported to a spreadsheet file. The batch is sent when another table is chosen or
// the screen is left with "退出[&E]"; a value that does not fit its column is refused, and then
// nothing is sent and the grid keeps the changes. No business rule is applied to what is typed.
class DatabaseBrowserForm
{
public:
    static inline const QString EmptyExport = QStringLiteral("数据为空，导出失败!");
    static inline const QString ProposedName = QStringLiteral("data.xlsx");
    static inline const QString ExportFilter = QStringLiteral("Excel 工作簿 (*.xlsx)");
    static inline const QString ExportDone = QStringLiteral("导出完毕！");

    struct Entry
    {
        QString caption;
        QString table;
    };
    // The tables offered, in the order of the list.
    static const QList<Entry> &entries();

    // What the export shows while it runs; advance() returns false when the operator cancels.
    class ExportProgress
    {
    public:
        virtual ~ExportProgress() = default;
        virtual void start(qint64 rows) = 0;
        virtual bool advance(qint64 done) = 0;
    };

    explicit DatabaseBrowserForm(AppContext &ctx);
    ~DatabaseBrowserForm();

    // Shows the first entry's table.
    void open();
    int currentEntry() const { return m_entry; }
    // The shown table with its batch; replaced when another entry is chosen.
    BatchTableModel &grid() { return *m_grid; }

    // Sends the batch, then shows the entry's table. False when the batch is refused (the
    // refusal shown, the table and its batch kept). Throws DbError when the engine fails.
    bool choose(int entry);
    // "退出[&E]": sends the batch; false when it is refused.
    bool exit();
    // The close box: the batch is dropped.
    void discard();
    // "新建[&A]": a new row at the end; returns its row.
    int add();
    // "删除[&D]": deletes the row without asking; false when the table is empty.
    bool remove(int row);

    // "导出到Excel>>": every row of the shown table, the batch included, under a header row of
    // the column names, each value as text. True when the file was written; a cancelled or
    // failed export leaves no file.
    bool exportShown(ExportProgress &progress);

private:
    bool sendRefused();

    AppContext &m_ctx;
    std::unique_ptr<BatchTableModel> m_grid;
    int m_entry = -1;
};
