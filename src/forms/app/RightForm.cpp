#include "forms/app/RightForm.h"

#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

QList<QPair<QString, int>> RightForm::checkBoxes()
{
    const QStringList columns = Rights::columnNames();
    QList<QPair<QString, int>> boxes;
    // Each box carries its column's name, except the statistics right.
    for (const char *column : {"查看统计", "回访操作", "维修登记", "销售操作", "入库操作", "基本信息编辑", "基本信息查询",
                               "出库操作", "库存查询", "回访查询", "销售查询", "维修查询", "后台数据库", "客户资料查询",
                               "客户资料编辑", "检修报价", "维修处理", "结算收费", "技术员视图"}) {
        const QString name = QString::fromUtf8(column);
        const QString caption = name == QStringLiteral("查看统计") ? QStringLiteral("统计查看") : name;
        boxes.append({caption, int(columns.indexOf(name))});
    }
    return boxes;
}

void RightForm::load()
{
    m_rows = OperatorStore(m_ctx.database()).assignable();
    m_changed.clear();
}

bool RightForm::has(int row, int bit) const
{
    return row >= 0 && row < m_rows.size() && ((m_rows[row].columns >> bit) & 1u);
}

void RightForm::set(int row, int bit, bool on)
{
    if (row < 0 || row >= m_rows.size() || has(row, bit) == on)
        return;
    m_rows[row].columns ^= 1u << bit;
    if (!m_changed.contains(row))
        m_changed << row;
}

void RightForm::confirm()
{
    QList<Operator> changed;
    for (int row : m_changed)
        changed << m_rows[row];
    OperatorStore(m_ctx.database()).saveRights(changed);
    m_changed.clear();
    m_ctx.prompt().information(DoneMessage);
}
