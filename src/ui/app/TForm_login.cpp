#include "ui/app/TForm_login.h"

#include "ui/app/FormLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_login::TForm_login(AppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_form(ctx)
{
    setWindowTitle(QStringLiteral("Vantrel【登陆】"));
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(QStringLiteral("Vantrel"), this);
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(120, 120);
    picture->setStyleSheet(QStringLiteral("background:#2d5f8b;color:white;font-size:18pt;"));
    layout->addWidget(picture);

    auto *right = new QVBoxLayout;
    loginEdit = FormLayout::addField(right, QStringLiteral("用户名："));
    passwordEdit = FormLayout::addField(right, QStringLiteral("密  码："));
    passwordEdit->setEchoMode(QLineEdit::Password);
    auto *buttons = new QHBoxLayout;
    loginButton = new QPushButton(QStringLiteral("登陆[&L]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    loginButton->setAutoDefault(false);
    exitButton->setAutoDefault(false);
    buttons->addWidget(loginButton);
    buttons->addWidget(exitButton);
    right->addLayout(buttons);
    layout->addLayout(right);

    connect(loginEdit, &QLineEdit::returnPressed, passwordEdit, qOverload<>(&QWidget::setFocus));
    connect(passwordEdit, &QLineEdit::returnPressed, this, [this] {
        loginButton->setFocus();
        loginButton->click();
    });
    connect(loginButton, &QPushButton::clicked, this, &TForm_login::tryLogin);
    connect(exitButton, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

void TForm_login::reject()
{
}

void TForm_login::tryLogin()
{
    if (m_form.login(loginEdit->text(), passwordEdit->text())) {
        accept();
        return;
    }
    loginEdit->setFocus();
}
