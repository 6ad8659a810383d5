#include "ui/stock/TForm_StockOUT.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

TForm_StockOUT::TForm_StockOUT(AppContext &ctx, QWidget *parent) : StockMoveScreen(ctx, parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("商品出库"));
    stockOutButton = new QPushButton(QStringLiteral("出库[&O]"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    // The keyboard starts at the reason.
    build(m_form, {.title = QStringLiteral("－出库单－"),
                   .header = {{QStringLiteral("单据编号："), billNumberEdit},
                              {QStringLiteral("日期："), dateEdit},
                              {QStringLiteral("经办人："), handledByEdit},
                              {QStringLiteral("出库原因："), reasonBox}},
                   .reasons = StockOutForm::reasons(),
                   .continueCaption = QStringLiteral("保存后继续出库"),
                   .saveButton = stockOutButton,
                   .clearCaption = QStringLiteral("清空[&E]"),
                   .closeButton = closeButton,
                   .start = reasonBox,
                   .width = 720});
}
