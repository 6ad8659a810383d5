#pragma once

#include <QString>

struct AppContext;

// The numbering-plan screen: the mode and the custom plan, edited locally and stored together
// on confirm.
class NoPlanForm
{
public:
    static inline const QString NotIntegerMessage = QStringLiteral("后缀位数和起始值必须为整数！");

    explicit NoPlanForm(AppContext &ctx) : m_ctx(ctx) {}

    // On show: creates the plan row and the mode row when missing, then loads both.
    void load();
    // Stores mode and plan in one step; false (nothing stored, message shown) for non-integers.
    bool confirm();

    bool useCustom = false;
    QString prefix;
    QString digitsText;
    QString startText;

private:
    AppContext &m_ctx;
};
