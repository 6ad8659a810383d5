#include "ui/app/TForm_login.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
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
    auto *fields = new QGridLayout;
    loginEdit = new QLineEdit(this);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setEchoMode(QLineEdit::Password);
    fields->addWidget(ScreenKit::caption(loginEdit, QStringLiteral("用户名：")), 0, 0);
    fields->addWidget(loginEdit, 0, 1);
    fields->addWidget(ScreenKit::caption(passwordEdit, QStringLiteral("密  码：")), 1, 0);
    fields->addWidget(passwordEdit, 1, 1);
    right->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    loginButton = new QPushButton(QStringLiteral("登陆[&L]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addWidget(loginButton);
    buttons->addWidget(exitButton);
    right->addLayout(buttons);
    layout->addLayout(right);

    // Enter in the name goes to the password; Enter in the password presses "登陆[&L]".
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(loginEdit);
    m_keys->route(passwordEdit, [this] { return ScreenKit::Step::press(loginButton); });
    m_keys->button(loginButton, [this] { tryLogin(); });
    m_keys->button(exitButton, [this] { done(QDialog::Rejected); });
    // After a database error the operator starts again at the name.
    m_keys->onError([this] { ScreenKit::focus(loginEdit); });
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
    ScreenKit::focus(loginEdit);
}
