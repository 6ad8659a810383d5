#pragma once

#include <QString>

struct AppContext;

// "其他约定": the one row of "约定" printed on repair documents. Edits are kept here until
// confirm(); closing without it leaves the stored row as it was.
class OtherSetForm
{
public:
    static inline const QString DefaultValidity = QStringLiteral("送修之日起一个月");

    explicit OtherSetForm(AppContext &ctx) : m_ctx(ctx) {}

    // Creates the row (with the default validity) when the table has none, then reads it.
    void load();
    void confirm();

    QString validity; // "取物有效期"
    QString clause1;  // "保修条款1"
    QString clause2;
    QString clause3;

private:
    AppContext &m_ctx;
    qint64 m_key = 0;
};
