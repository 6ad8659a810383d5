#pragma once

#include "forms/sales/ReplaceGoodsForm.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

// "换货信息": the unit handed out in an exchange and the customer's extra payment. Callers use
// choose(), which shows it modally and hands back the choice, or nullopt when it was left.
class TForm_Replace_goods : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_Replace_goods(AppContext &ctx, QWidget *parent = nullptr);

    static std::optional<ReplacementChoice> choose(AppContext &ctx, QWidget *parent = nullptr);

    ReplaceGoodsForm &form() { return m_form; }
    const std::optional<ReplacementChoice> &chosen() const { return m_chosen; }

    // The part picker: by default its window; a test scripts it here.
    std::function<std::optional<PartChoice>()> pickPart;

    QLineEdit *partNoEdit = nullptr;
    QPushButton *partButton = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLineEdit *categoryEdit = nullptr;
    QLineEdit *modelEdit = nullptr;
    QLineEdit *unitEdit = nullptr;
    QLineEdit *warrantyEdit = nullptr;
    QLineEdit *serialEdit = nullptr;
    QLineEdit *extraEdit = nullptr;
    QPushButton *confirmButton = nullptr;
    QPushButton *exitButton = nullptr;

private:
    void onPickPart();
    void onConfirm();

    ReplaceGoodsForm m_form;
    ScreenKit *m_keys;
    FieldMap m_fields;
    std::optional<ReplacementChoice> m_chosen;
};
