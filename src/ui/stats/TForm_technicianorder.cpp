#include "ui/stats/TForm_technicianorder.h"

#include <QComboBox>

TForm_technicianorder::TForm_technicianorder(AppContext &ctx, QWidget *parent, RightsTable::Access access)
    : MonthlyRankingScreen(ctx, parent), m_form(ctx, access)
{
    orderBox = new QComboBox(this);
    orderBox->addItems(TechnicianRankingForm::orderLabels());
    build(m_form, QStringLiteral("月度技术员业绩排行"), false, {{QStringLiteral("排行方式："), orderBox}});
    connect(orderBox, &QComboBox::currentTextChanged, this, [this](const QString &label) {
        m_form.setOrder(label);
        recompute();
    });
}
