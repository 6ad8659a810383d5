#pragma once

#include "forms/app/LoginForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class ScreenKit;

// The login dialog: accepted once an operator is logged in, rejected by "退出[&E]".
class TForm_login : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_login(AppContext &ctx, QWidget *parent = nullptr);

    QLineEdit *loginEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QPushButton *loginButton = nullptr;
    QPushButton *exitButton = nullptr;

    void reject() override; // Escape does not leave; only "退出[&E]" does

private:
    void tryLogin();
    LoginForm m_form;
    ScreenKit *m_keys = nullptr;
};
