#include "data/maintenance/SpreadsheetFile.h"

#include "data/db/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <xlsxwriter.h>

SpreadsheetFile::SpreadsheetFile(const QString &path)
    : m_path(path), m_work(path + QStringLiteral(".partial")), m_workDir(QFile::encodeName(QDir::tempPath()))
{
    QFile::remove(m_work);
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE; // each row goes to a work file as soon as the next one starts
    options.tmpdir = m_workDir.data();
    m_book = workbook_new_opt(QFile::encodeName(m_work).constData(), &options);
    if (m_book)
        m_sheet = workbook_add_worksheet(m_book, nullptr);
    if (!m_sheet) {
        abandon();
        throw DbError(QStringLiteral("无法建立文件：") + QDir::toNativeSeparators(path));
    }
}

SpreadsheetFile::~SpreadsheetFile()
{
    abandon();
}

void SpreadsheetFile::addRow(const QStringList &texts)
{
    if (!m_sheet)
        throw DbError(QStringLiteral("文件已关闭：") + QDir::toNativeSeparators(m_path));
    if (m_rows >= MaxRows)
        throw DbError(QStringLiteral("数据超过了 Excel 工作表的最大行数（%1 行）。").arg(MaxRows));
    if (texts.size() > MaxColumns)
        throw DbError(QStringLiteral("数据超过了 Excel 工作表的最大列数（%1 列）。").arg(MaxColumns));
    for (int c = 0; c < texts.size(); ++c) {
        const QString &text = texts[c];
        if (text.isEmpty())
            continue; // an empty cell
        const QByteArray utf8 = (text.size() > MaxCellText ? text.left(MaxCellText) : text).toUtf8();
        const lxw_error e = worksheet_write_string(m_sheet, lxw_row_t(m_rows), lxw_col_t(c), utf8.constData(), nullptr);
        if (e != LXW_NO_ERROR)
            throw DbError(QStringLiteral("无法写入第%1行：%2").arg(m_rows + 1).arg(QString::fromUtf8(lxw_strerror(e))));
    }
    ++m_rows;
}

void SpreadsheetFile::close()
{
    if (!m_book)
        throw DbError(QStringLiteral("文件已关闭：") + QDir::toNativeSeparators(m_path));
    lxw_workbook *book = m_book;
    m_book = nullptr;
    m_sheet = nullptr;
    const lxw_error e = workbook_close(book); // writes the file and frees the book
    if (e != LXW_NO_ERROR) {
        QFile::remove(m_work);
        throw DbError(QStringLiteral("无法写入文件：%1（%2）").arg(QDir::toNativeSeparators(m_path), QString::fromUtf8(lxw_strerror(e))));
    }
    // One rename puts the complete file in place, over an earlier one of the name.
    if (std::rename(QFile::encodeName(m_work).constData(), QFile::encodeName(m_path).constData()) != 0) {
        QFile::remove(m_work);
        throw DbError(QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(m_path));
    }
}

void SpreadsheetFile::abandon()
{
    if (m_book) {
        lxw_workbook_free(m_book); // frees without writing; the work files go with it
        m_book = nullptr;
        m_sheet = nullptr;
    }
    QFile::remove(m_work);
}
