#pragma once

#include "core/app/Money.h"
#include "forms/bills/BillDeclaration.h"
#include "forms/catalogs/PartsChoice.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <optional>

struct AppContext;

// The lines of one bill: a fixed number of lines of declared columns, held as the texts the
// operator sees. It keeps the rules every bill's lines share:
// - a part taken with the picker, or a known part number typed into a line, fills the line;
// - "金额" follows "数目" × "单价" whenever either changes, in Money arithmetic;
// - a quantity or money cell typed with a text that is not a number of its kind is reported;
// - the check pass of a save reads cells through the helpers below, which report a refused
//   line as "第" + n + "行:" + text.
// The grid widget shows it directly; what was typed is in the model as soon as the editor commits.
class BillLineModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    BillLineModel(AppContext &ctx, BillDeclaration declaration, QObject *parent = nullptr);

    const BillDeclaration &declaration() const { return m_declaration; }
    int lineCount() const { return m_declaration.lineCount; }
    int column(BillColumn::Role role) const { return m_declaration.column(role); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The edit role is the operator typing: as edit().
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QString text(int line, int column) const;
    // Puts a text in a cell as the program does: no look-up, no message; the amount follows.
    void setText(int line, int column, const QString &text);
    // The operator typed a cell. Nothing happens when the text is what the cell holds; otherwise
    // the text is stored as typed, a known part number fills its line, a quantity or money
    // text that is not a number is reported, and the amount follows.
    void edit(int line, int column, const QString &text);
    // A part taken with the picker for a line.
    void fill(int line, const PartChoice &part);
    // Every cell of every line, except the columns declared kept.
    void clear();
    // True when the line's part-number cell is empty.
    bool hasNoPart(int line) const;

    // Check-pass helpers. Each returns the value, or shows "第n行:" + message and returns nothing.
    static QString lineMessage(int line, const QString &text); // line 0-based
    void refuse(int line, const QString &message) const;
    bool requireText(int line, int column, const QString &message) const;
    std::optional<qint64> quantity(int line, int column, const QString &message) const;
    std::optional<Money> money(int line, int column, const QString &message) const;

private:
    void store(int line, int column, const QString &text);
    void fillFromPart(int line, const PartChoice &part, bool typed);
    void followAmount(int line);
    bool isNumberOfItsKind(int column, const QString &text) const;

    AppContext &m_ctx;
    BillDeclaration m_declaration;
    QList<QStringList> m_lines;
};
