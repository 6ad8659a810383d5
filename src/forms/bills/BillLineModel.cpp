#include "forms/bills/BillLineModel.h"

#include "core/app/Quantity.h"
#include "data/catalogs/PartsCatalog.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/PartsPickerForm.h"

#include <exception>

using Role = BillColumn::Role;

BillLineModel::BillLineModel(AppContext &ctx, BillDeclaration declaration, QObject *parent)
    : QAbstractTableModel(parent), m_ctx(ctx), m_declaration(std::move(declaration))
{
    for (int i = 0; i < m_declaration.lineCount; ++i) {
        QStringList line;
        for (int c = 0; c < m_declaration.columns.size(); ++c)
            line << QString();
        m_lines << line;
    }
}

int BillLineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_declaration.lineCount;
}

int BillLineModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_declaration.columns.size());
}

QVariant BillLineModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (m_declaration.columns.at(index.column()).kind != BillColumn::Kind::Text)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    return {};
}

bool BillLineModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    edit(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags BillLineModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_declaration.columns.at(index.column()).readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant BillLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_declaration.columns.size() ? m_declaration.columns.at(section).header
                                                                       : QVariant();
    return QString::number(section + 1); // lines are numbered from 1, as the messages count them
}

QString BillLineModel::text(int line, int column) const
{
    return m_lines.at(line).at(column);
}

void BillLineModel::store(int line, int column, const QString &text)
{
    if (m_lines.at(line).at(column) == text)
        return;
    m_lines[line][column] = text;
    const QModelIndex i = index(line, column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void BillLineModel::setText(int line, int column, const QString &text)
{
    store(line, column, text);
    const Role role = m_declaration.columns.at(column).role;
    if (role == Role::Quantity || role == Role::Price)
        followAmount(line);
}

void BillLineModel::edit(int line, int column, const QString &text)
{
    if (m_lines.at(line).at(column) == text)
        return;
    setText(line, column, text);
    if (text.isEmpty())
        return;
    const BillColumn &c = m_declaration.columns.at(column);
    if (c.role == Role::PartNo) {
        if (const auto part = PartsCatalog(m_ctx.database()).find(text))
            fillFromPart(line, PartsPickerForm::toChoice(*part), true);
        return;
    }
    if (!m_declaration.notNumberMessage.isEmpty() && !isNumberOfItsKind(column, text))
        m_ctx.prompt().warning(m_declaration.notNumberMessage);
}

void BillLineModel::fill(int line, const PartChoice &part)
{
    fillFromPart(line, part, false);
}

void BillLineModel::fillFromPart(int line, const PartChoice &part, bool typed)
{
    auto put = [&](Role role, const QString &value) {
        const int c = column(role);
        if (c >= 0)
            store(line, c, value);
    };
    if (!typed)
        put(Role::PartNo, part.partNo);
    put(Role::Name, part.name);
    put(Role::Category, part.category);
    put(Role::Unit, part.unit);
    put(Role::Model, part.model);
    const int quantity = column(Role::Quantity);
    if (quantity >= 0 && !(typed && m_declaration.typedKeepsQuantity && !text(line, quantity).isEmpty()))
        store(line, quantity, QStringLiteral("1"));
    put(Role::Price, m_declaration.priceOnFill == BillDeclaration::PriceOnFill::SalePrice ? part.salePrice
                                                                                          : QStringLiteral("0"));
    followAmount(line);
}

void BillLineModel::followAmount(int line)
{
    const int amount = column(Role::Amount);
    const int quantityColumn = column(Role::Quantity);
    const int priceColumn = column(Role::Price);
    if (amount < 0 || quantityColumn < 0 || priceColumn < 0)
        return;
    const auto quantity = Quantity::parse(text(line, quantityColumn));
    const auto price = Money::parse(text(line, priceColumn));
    if (!quantity || !price)
        return; // the amount keeps its text; the check pass reports the cell that is not a number
    QString product;
    try {
        product = (*price * *quantity).toText();
    } catch (const std::exception &) {
        // Beyond what an amount can hold: no amount rather than a wrong one, so the save refuses it.
    }
    store(line, amount, product);
}

bool BillLineModel::isNumberOfItsKind(int column, const QString &text) const
{
    switch (m_declaration.columns.at(column).kind) {
    case BillColumn::Kind::Quantity:
        return Quantity::parse(text).has_value();
    case BillColumn::Kind::Money:
        return Money::parse(text).has_value();
    case BillColumn::Kind::Text:
        break;
    }
    return true;
}

void BillLineModel::clear()
{
    for (int l = 0; l < m_declaration.lineCount; ++l)
        for (int c = 0; c < m_declaration.columns.size(); ++c)
            if (!m_declaration.columns.at(c).keptOnClear)
                m_lines[l][c].clear();
    if (m_declaration.lineCount > 0 && !m_declaration.columns.isEmpty())
        emit dataChanged(index(0, 0), index(m_declaration.lineCount - 1, int(m_declaration.columns.size()) - 1));
}

bool BillLineModel::hasNoPart(int line) const
{
    const int c = column(Role::PartNo);
    return c < 0 || text(line, c).isEmpty();
}

QString BillLineModel::lineMessage(int line, const QString &text)
{
    return QStringLiteral("第") + QString::number(line + 1) + QStringLiteral("行:") + text;
}

void BillLineModel::refuse(int line, const QString &message) const
{
    m_ctx.prompt().warning(lineMessage(line, message));
}

bool BillLineModel::requireText(int line, int column, const QString &message) const
{
    if (!text(line, column).isEmpty())
        return true;
    refuse(line, message);
    return false;
}

std::optional<qint64> BillLineModel::quantity(int line, int column, const QString &message) const
{
    const auto n = Quantity::parse(text(line, column));
    if (!n)
        refuse(line, message);
    return n;
}

std::optional<Money> BillLineModel::money(int line, int column, const QString &message) const
{
    const auto m = Money::parse(text(line, column));
    if (!m)
        refuse(line, message);
    return m;
}
