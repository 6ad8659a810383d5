#pragma once

#include <QString>

struct AppContext;

// The login: finds the operator by login name and password and sets OperatorName and
// OperatorRights in the context.
class LoginForm
{
public:
    static inline const QString WrongMessage = QStringLiteral("用户名或密码有误，请重新输入！");
    static inline const QString UnknownOperator = QStringLiteral("未知");
    static inline const QString SuperUserRole = QStringLiteral("超级用户");

    explicit LoginForm(AppContext &ctx) : m_ctx(ctx) {}

    // True when logged in; false after showing the refusal (the dialog stays open).
    bool login(const QString &loginName, const QString &password);

private:
    AppContext &m_ctx;
};
