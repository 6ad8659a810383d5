#include "ui/catalogs/TForm_otherSet.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_otherSet::TForm_otherSet(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("其他约定"));
    auto *layout = new QVBoxLayout(this);
    auto *validityBox = new QGroupBox(QStringLiteral("“取物凭证”取物有效期约定："), this);
    auto *validityLayout = new QVBoxLayout(validityBox);
    validityEdit = new QLineEdit(validityBox);
    validityLayout->addWidget(ScreenKit::caption(validityEdit, QStringLiteral("取物有效期：")));
    validityLayout->addWidget(validityEdit);
    layout->addWidget(validityBox);

    auto *clauses = new QGroupBox(QStringLiteral("保修条款："), this);
    auto *clauseLayout = new QGridLayout(clauses);
    clause1Edit = new QLineEdit(clauses);
    clause2Edit = new QLineEdit(clauses);
    clause3Edit = new QLineEdit(clauses);
    int row = 0;
    for (auto [edit, caption] : {std::pair{clause1Edit, "1："}, std::pair{clause2Edit, "2："}, std::pair{clause3Edit, "3："}}) {
        clauseLayout->addWidget(ScreenKit::caption(edit, QString::fromUtf8(caption)), row, 0);
        clauseLayout->addWidget(edit, row++, 1);
    }
    layout->addWidget(clauses);

    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定"), this);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    // Enter: the validity leads to "确定"; clause 1, 2, 3, then "确定".
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->route(validityEdit, [this] { return ScreenKit::Step::to(okButton); });
    keys->field(clause1Edit);
    keys->field(clause2Edit);
    keys->field(clause3Edit);
    keys->button(okButton, [this] { accept(); });
    keys->button(cancelButton, [this] { reject(); });
    m_keys = keys;
    resize(520, 260);
}

void TForm_otherSet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_keys->run([this] { m_form.load(); });
    validityEdit->setText(m_form.validity);
    clause1Edit->setText(m_form.clause1);
    clause2Edit->setText(m_form.clause2);
    clause3Edit->setText(m_form.clause3);
}

void TForm_otherSet::accept()
{
    m_form.validity = validityEdit->text();
    m_form.clause1 = clause1Edit->text();
    m_form.clause2 = clause2Edit->text();
    m_form.clause3 = clause3Edit->text();
    m_form.confirm();
    QDialog::accept();
}
