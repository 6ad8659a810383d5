#include "forms/maintenance/DatabaseBrowserForm.h"

#include "data/db/DbError.h"
#include "data/maintenance/BatchTableModel.h"
#include "data/maintenance/SpreadsheetFile.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QDir>
#include <QFileInfo>

const QList<DatabaseBrowserForm::Entry> &DatabaseBrowserForm::entries()
{
    static const QList<Entry> list = [] {
        const char *const pairs[][2] = {
            {"入库单", "入库单"},         {"出库单", "出库单"},         {"销售", "销售"},
            {"维修业务", "维修"},         {"库存", "库存"},             {"配件退换", "退换"},
            {"供应商目录", "供应商目录"}, {"配件类别目录", "类别目录"}, {"配件目录", "配件目录"},
            {"单位客户目录", "客户目录"}, {"SN/配件对应表", "配件"},    {"用户管理", "用户管理"},
            {"记事本", "记事本"},         {"销售明细", "销售单"},       {"技术员信息", "技术员目录"},
            {"回访员信息", "回访员"},     {"回访情况", "回访"},
        };
        QList<Entry> out;
        for (const auto &p : pairs)
            out << Entry{QString::fromUtf8(p[0]), QString::fromUtf8(p[1])};
        return out;
    }();
    return list;
}

DatabaseBrowserForm::DatabaseBrowserForm(AppContext &ctx) : m_ctx(ctx) {}

DatabaseBrowserForm::~DatabaseBrowserForm() = default;

void DatabaseBrowserForm::open()
{
    m_grid = std::make_unique<BatchTableModel>(m_ctx.database(), entries().first().table);
    m_entry = 0;
}

bool DatabaseBrowserForm::sendRefused()
{
    if (!m_grid)
        return false;
    if (const auto why = m_grid->refusal()) {
        m_ctx.prompt().warning(*why);
        return true;
    }
    m_grid->send(); // an engine error leaves the batch in the grid
    return false;
}

bool DatabaseBrowserForm::choose(int entry)
{
    if (entry < 0 || entry >= entries().size())
        return false;
    if (entry == m_entry)
        return true;
    if (sendRefused())
        return false;
    m_grid = std::make_unique<BatchTableModel>(m_ctx.database(), entries().at(entry).table);
    m_entry = entry;
    return true;
}

bool DatabaseBrowserForm::exit()
{
    return !sendRefused();
}

void DatabaseBrowserForm::discard()
{
    if (m_grid && m_grid->hasPendingChanges())
        m_grid->discard();
}

int DatabaseBrowserForm::add()
{
    return m_grid->appendRow();
}

bool DatabaseBrowserForm::remove(int row)
{
    return m_grid->rowCount() > 0 && m_grid->deleteRow(row);
}

bool DatabaseBrowserForm::exportShown(ExportProgress &progress)
{
    if (m_grid->rowCount() == 0) {
        m_ctx.prompt().warning(EmptyExport);
        return false;
    }
    QString path = m_ctx.prompt().saveFileName(QStringLiteral("导出到Excel"), ProposedName, ExportFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xlsx");
    const qint64 rows = m_grid->totalRows();
    if (rows + 1 > SpreadsheetFile::MaxRows) {
        m_ctx.prompt().warning(QStringLiteral("数据共%1行，超过了 Excel 工作表的上限（%2行），无法导出！")
                                   .arg(rows)
                                   .arg(SpreadsheetFile::MaxRows - 1));
        return false;
    }
    SpreadsheetFile file(path);
    progress.start(rows);
    file.addRow(m_grid->columnNames());
    qint64 done = 0;
    const bool complete = m_grid->visitRows([&](const QStringList &texts) {
        file.addRow(texts);
        return progress.advance(++done);
    });
    if (!complete) {
        file.abandon();
        return false;
    }
    file.close();
    m_ctx.prompt().information(ExportDone + u'\n' + QDir::toNativeSeparators(path));
    return true;
}
