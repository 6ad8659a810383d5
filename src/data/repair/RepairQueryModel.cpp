#include "data/repair/RepairQueryModel.h"

#include "core/app/DateText.h"
#include "core/repair/RepairState.h"
#include "data/db/Sql.h"
#include "data/repair/RepairRow.h"


namespace R = RepairQueryRules;

RepairQueryModel::RepairQueryModel(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

const QStringList &RepairQueryModel::headers()
{
    static const QStringList h = {"业务编号", "当前状态", "接修日期", "经办人",   "客户",     "维修物名称",
                                  "类别",     "品牌",     "维修物编号", "随机附件", "配件费用", "维修费用",
                                  "附加费用", "费用合计", "预付款",   "实际收费", "发票号码", "返回日期",
                                  "服务方式", "技术员",   "返修",     "退款",     "保内",     "派工"};
    return h;
}

const QStringList &RepairQueryModel::sourceColumns()
{
    static const QStringList c = {"业务编号", "当前状态", "接修日期", "经办人",     "客户",     "物件名称",
                                  "维修物类别", "维修物品牌", "物件编号", "随机附件", "配件费用", "维修费用",
                                  "附加费用", "费用合计", "预付款",   "实际收费",   "发票号码", "返回日期",
                                  "服务方式", "技术员",   "是否返修", "退款",       "保内",     "已经派工"};
    return c;
}

QString RepairQueryModel::whereClause(const RepairQueryCriteria &criteria, QVariantList &values)
{
    QStringList parts;
    const QString &mode = criteria.mode;
    if (mode == R::strToday) {
        const QString d = DateText::toText(criteria.day);
        parts << QStringLiteral("(接修日期 = ? OR 返回日期 = ?)");
        values << d << d;
    } else if (mode == R::strToMonth || mode == R::strOVERDELAY) {
        const QDate today = criteria.today.isValid() ? criteria.today : QDate::currentDate();
        const MonthRange month = MonthRange::of(today.year(), today.month());
        if (mode == R::strToMonth) {
            parts << QStringLiteral("((接修日期 >= ? AND 接修日期 < ?) OR (返回日期 >= ? AND 返回日期 < ?))");
            values << month.firstText() << month.nextText() << month.firstText() << month.nextText();
        } else {
            parts << QStringLiteral("当前状态 = ? AND 返回日期 >= ? AND 返回日期 < ?");
            values << RepairState::Ended << month.firstText() << month.nextText();
        }
    } else if (mode == R::strRepairBack) {
        parts << QStringLiteral("是否返修 = ?");
        values << QStringLiteral("是");
    } else if (mode == R::strOnDealing) {
        parts << QStringLiteral("NOT 当前状态 = ?");
        values << RepairState::Ended;
    } else if (mode == R::strOver) {
        parts << QStringLiteral("当前状态 = ?");
        values << RepairState::Ended;
    }
    if (!criteria.ownOnly.isEmpty()) {
        parts << QStringLiteral("技术员 = ?");
        values << criteria.ownOnly;
    }
    if (const R::SearchMode *search = R::searchMode(criteria.searchLabel)) {
        const QString pattern = Sql::likePattern(criteria.searchText);
        switch (search->kind) {
        case R::SearchKind::Column:
            parts << u'"' + search->column + QStringLiteral("\" LIKE ? ESCAPE '\\'");
            break;
        case R::SearchKind::FollowUpStaff:
            parts << QStringLiteral("业务编号 IN (SELECT 业务编号 FROM 回访 WHERE 回访员 LIKE ? ESCAPE '\\')");
            break;
        case R::SearchKind::PartSerial:
            parts << QStringLiteral("业务编号 IN (SELECT 单据编号 FROM 配件 WHERE SN LIKE ? ESCAPE '\\')");
            break;
        }
        values << pattern;
    }
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

void RepairQueryModel::run(const RepairQueryCriteria &criteria)
{
    beginResetModel();
    m_criteria = criteria;
    m_values.clear();
    const QString where = whereClause(criteria, m_values);
    // rowid breaks ties so that pages never overlap; without a sort column the rows come in
    // table order, which a search reads fastest.
    QString order = QStringLiteral("rowid");
    if (!criteria.sortColumn.isEmpty()) {
        const QString column = sourceColumns().contains(criteria.sortColumn) ? criteria.sortColumn : QStringLiteral("接修日期");
        const QString dir = criteria.descending ? QStringLiteral(" DESC") : QString();
        order = QStringLiteral("\"%1\"%2, rowid%2").arg(column, dir);
    }
    m_statement = QStringLiteral("SELECT %1 FROM 维修%2 ORDER BY %3 LIMIT ? OFFSET ?")
                      .arg(RepairRow::selectList(), where, order);
    m_rows.clear();
    m_more = true;
    m_rows = fetchPage(0);
    m_more = m_rows.size() == PageSize;
    endResetModel();
}

QList<RepairJob> RepairQueryModel::fetchPage(int offset) const
{
    QVariantList values = m_values;
    values << PageSize << offset;
    QSqlQuery q = Sql::exec(m_db, m_statement, values);
    QList<RepairJob> rows;
    rows.reserve(PageSize);
    while (q.next())
        rows << RepairRow::read(q);
    return rows;
}

bool RepairQueryModel::canFetchMore(const QModelIndex &parent) const { return !parent.isValid() && m_more; }

void RepairQueryModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<RepairJob> page = fetchPage(int(m_rows.size()));
    m_more = page.size() == PageSize;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    m_rows += page;
    endInsertRows();
}

QStringList RepairQueryModel::allNumbers()
{
    while (canFetchMore())
        fetchMore();
    QStringList n;
    for (const RepairJob &j : m_rows)
        n << j.number;
    return n;
}

void RepairQueryModel::setRemarks(int row, const QString &remarks)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].remarks = remarks;
}

int RepairQueryModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int RepairQueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers().size());
}

QVariant RepairQueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const RepairJob &j = m_rows.at(index.row());
    auto date = [](const QDate &d) { return d.isValid() ? DateText::toText(d) : QString(); };
    auto yes = [](bool b) { return b ? QStringLiteral("是") : QStringLiteral("否"); };
    switch (index.column()) {
    case 0: return j.number;
    case 1: return j.state;
    case 2: return date(j.intakeDate);
    case 3: return j.handledBy;
    case 4: return j.customer;
    case 5: return j.itemName;
    case 6: return j.itemCategory;
    case 7: return j.itemBrand;
    case 8: return j.itemSerial;
    case 9: return j.accessories;
    case 10: return j.partsFee.toText();
    case 11: return j.labourFee.toText();
    case 12: return j.extraFee.toText();
    case 13: return j.totalFee.toText();
    case 14: return j.prepayment.toText();
    case 15: return j.charged.toText();
    case 16: return j.invoiceNumber;
    case 17: return date(j.endDate);
    case 18: return j.serviceMode;
    case 19: return j.technician;
    case 20: return j.rework;
    case 21: return j.refund.toText();
    case 22: return yes(j.underWarranty);
    case 23: return yes(j.dispatched);
    }
    return {};
}

QVariant RepairQueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < headers().size())
        return headers().at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
