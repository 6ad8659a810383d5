#pragma once

#include "data/app/Operator.h"

#include <QList>
#include <QPair>
#include <QString>

struct AppContext;

// The rights screen: the operators with assigned rights, their right columns changed locally and
// sent together on confirm. Super users are not listed.
class RightForm
{
public:
    static inline const QString DoneMessage = QStringLiteral("更新完毕！");

    // The check boxes in screen order: caption and bit of the right column.
    static QList<QPair<QString, int>> checkBoxes();

    explicit RightForm(AppContext &ctx) : m_ctx(ctx) {}

    void load();
    const QList<Operator> &rows() const { return m_rows; }
    bool has(int row, int bit) const;
    void set(int row, int bit, bool on);
    bool isDirty() const { return !m_changed.isEmpty(); }
    // Sends every changed row in one transaction and says so.
    void confirm();

private:
    AppContext &m_ctx;
    QList<Operator> m_rows;
    QList<int> m_changed;
};
