#include "ui/stock/TForm_stockIN.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

TForm_stockIN::TForm_stockIN(AppContext &ctx, QWidget *parent) : StockMoveScreen(ctx, parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("配件入库"));
    supplierBox = new QComboBox(this);
    supplierBox->setEditable(true);
    stockInButton = new QPushButton(QStringLiteral("入库[&I]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    // The keyboard starts at the supplier.
    build(m_form, {.title = QStringLiteral("－入 库 单－"),
                   .header = {{QStringLiteral("单据编号："), billNumberEdit},
                              {QStringLiteral("经办人："), handledByEdit},
                              {QStringLiteral("入库日期："), dateEdit},
                              {QStringLiteral("供应商："), supplierBox},
                              {QStringLiteral("入库原因："), reasonBox}},
                   .reasons = StockInForm::reasons(),
                   .continueCaption = QStringLiteral("保存后继续入库"),
                   .saveButton = stockInButton,
                   .clearCaption = QStringLiteral("清空[&C]"),
                   .closeButton = exitButton,
                   .start = supplierBox,
                   .width = 760});
}

void TForm_stockIN::showOwnHeader()
{
    supplierBox->clear();
    supplierBox->addItems(m_form.suppliers());
    supplierBox->setEditText(m_form.supplier);
}

void TForm_stockIN::readOwnHeader()
{
    m_form.supplier = supplierBox->currentText();
}
