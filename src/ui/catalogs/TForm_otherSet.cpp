#include "ui/catalogs/TForm_otherSet.h"

#include "ui/app/FormLayout.h"

#include <QGroupBox>
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
    FormLayout::caption(validityEdit, QStringLiteral("取物有效期"));
    validityLayout->addWidget(validityEdit);
    layout->addWidget(validityBox);

    auto *clauses = new QGroupBox(QStringLiteral("保修条款："), this);
    auto *clauseLayout = new QVBoxLayout(clauses);
    clause1Edit = FormLayout::addField(clauseLayout, QStringLiteral("1："));
    clause2Edit = FormLayout::addField(clauseLayout, QStringLiteral("2："));
    clause3Edit = FormLayout::addField(clauseLayout, QStringLiteral("3："));
    layout->addWidget(clauses);

    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定"), this);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Enter: validity -> OK; clause 1 -> 2 -> 3 -> OK.
    connect(validityEdit, &QLineEdit::returnPressed, okButton, [this] { okButton->setFocus(); });
    connect(clause1Edit, &QLineEdit::returnPressed, clause2Edit, [this] { clause2Edit->setFocus(); });
    connect(clause2Edit, &QLineEdit::returnPressed, clause3Edit, [this] { clause3Edit->setFocus(); });
    connect(clause3Edit, &QLineEdit::returnPressed, okButton, [this] { okButton->setFocus(); });
    resize(520, 260);
}

void TForm_otherSet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_form.load();
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
