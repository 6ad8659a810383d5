#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct lxw_workbook;
struct lxw_worksheet;

// A spreadsheet file (.xlsx) of one sheet, written a row at a time, every value as text. Rows go
// to the library's work files as they come, so a sheet of a million rows takes no more memory
// than one of ten. The file appears under its name only when close() completes: until then it is
// written beside it under a work name, and an abandoned or failed file leaves nothing behind (an
// earlier file of that name stays as it was).
class SpreadsheetFile
{
public:
    // What one sheet can hold (the header included).
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;
    // The longest text a cell takes; a longer value is cut to it.
    static constexpr int MaxCellText = 32767;

    explicit SpreadsheetFile(const QString &path); // throws DbError when the work file cannot be made
    ~SpreadsheetFile(); // abandons the file unless close() completed
    SpreadsheetFile(const SpreadsheetFile &) = delete;
    SpreadsheetFile &operator=(const SpreadsheetFile &) = delete;

    // The next row. Throws DbError beyond MaxRows or MaxColumns.
    void addRow(const QStringList &texts);
    int rows() const { return m_rows; }
    // Completes the file under its name. Throws DbError when it cannot be written.
    void close();
    // Drops the file: nothing is left under either name.
    void abandon();

private:
    QString m_path;
    QString m_work;
    QByteArray m_workDir; // the library's work files
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    int m_rows = 0;
};
