#include "forms/sales/ReturnQueryForm.h"

#include "data/lists/ListModel.h"
#include "data/sales/ReturnExchangeTable.h"
#include "data/sales/ReturnStore.h"
#include "forms/app/AppContext.h"

namespace R = ReturnExchangeTable;

ListDeclaration ReturnQueryForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(R::Number, "单据编号"),        col(R::Kind, "退换标识"),
                 col(R::HandledBy, "经办人"),        col(R::Date, "日期"),
                 col(R::ReturnedPartNo, "所退配件编号"), col(R::ReturnedSerial, "所退配件SN"),
                 col(R::ReplacementPartNo, "所换配件编号"), col(R::ReplacementSerial, "所换配件SN"),
                 col(R::Refund, "退款金额"),         col(R::ExtraPayment, "客户补款额"),
                 col(R::Customer, "客户")};
    d.modes = {{QStringLiteral("显示全部"), {}}};
    using D = ListDeclaration;
    d.searches = {
        D::contains(QStringLiteral("按客户名称查询"), R::Customer),
        D::contains(QStringLiteral("按退换标识查询"), R::Kind),
        D::contains(QStringLiteral("按经办人"), R::HandledBy),
        D::contains(QStringLiteral("按所退配件编号查询"), R::ReturnedPartNo),
        D::contains(QStringLiteral("按所退配件SN查询"), R::ReturnedSerial),
        D::contains(QStringLiteral("按所换配件编号查询"), R::ReplacementPartNo),
        D::contains(QStringLiteral("按所换配件SN查询"), R::ReplacementSerial),
    };
    return d;
}

ReturnQueryForm::ReturnQueryForm(AppContext &ctx)
    : ListForm(ctx, declaration(), RightsTable::Access::Full), m_ctx(ctx)
{
}

QString ReturnQueryForm::number(int row) const
{
    return text(row, R::Number);
}

QString ReturnQueryForm::remarks(int row) const
{
    return recordText(row, R::Remarks);
}

void ReturnQueryForm::saveRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= rowCount() || this->remarks(row) == remarks)
        return;
    ReturnStore(m_ctx.database()).setRemarks(model().key(row), remarks);
}
