#pragma once

#include "forms/stock/UpdateStockForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "更新库存": one stock row's fields, every one but "编号：" editable; "确定" checks and writes
// the row, "取消" leaves it as it was. Enter in a field goes to "确定".
class TForm_updateStock : public QDialog
{
    Q_OBJECT
public:
    TForm_updateStock(AppContext &ctx, const QString &partNo, QWidget *parent = nullptr);

    UpdateStockForm &form() { return m_form; }
    // False when the part has no stock row (the message was shown): the dialog is not to be shown.
    bool loaded() const { return m_loaded; }

    QLineEdit *partNoEdit, *nameEdit, *categoryEdit, *unitEdit, *modelEdit, *quantityEdit, *priceEdit,
        *warningLevelEdit, *requestedEdit, *supplierEdit, *warrantyEdit;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void onOk();

    UpdateStockForm m_form;
    bool m_loaded = false;
};
