#include "forms/app/UserListForm.h"

#include "core/app/GbkText.h"
#include "data/app/OperatorStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
constexpr int NameBytes = 10;
constexpr int LoginBytes = 8;
constexpr int PasswordBytes = 8;
}

QStringList UserListForm::roles()
{
    return {QStringLiteral("待分配"), QStringLiteral("超级用户")};
}

void UserListForm::load()
{
    m_rows = OperatorStore(m_ctx.database()).all();
    m_mode = Mode::Browse;
    m_current = m_rows.isEmpty() ? -1 : 0;
    showRow();
}

void UserListForm::select(int row)
{
    if (m_mode != Mode::Browse || row < 0 || row >= m_rows.size())
        return;
    m_current = row;
    showRow();
}

void UserListForm::showRow()
{
    const Operator op = m_current >= 0 ? m_rows[m_current] : Operator{};
    loginName = op.loginName;
    password = op.password;
    name = op.name;
    role = op.role;
}

void UserListForm::beginNew()
{
    m_mode = Mode::Append;
    loginName.clear();
    password.clear();
    name.clear();
    role.clear();
}

bool UserListForm::beginChange()
{
    if (m_current < 0)
        return false;
    m_mode = Mode::Edit;
    showRow();
    return true;
}

void UserListForm::cancel()
{
    m_mode = Mode::Browse;
    showRow();
}

bool UserListForm::fail(const QString &message)
{
    m_ctx.prompt().warning(message);
    return false;
}

bool UserListForm::checkField(Field field)
{
    switch (field) {
    case Field::Name:
        if (name.trimmed().isEmpty())
            return fail(NameEmpty);
        if (GbkText::byteLength(name) > NameBytes)
            return fail(NameTooLong);
        return true;
    case Field::Password:
        return GbkText::byteLength(password) <= PasswordBytes || fail(PasswordTooLong);
    case Field::LoginName:
        return GbkText::byteLength(loginName) <= LoginBytes || fail(LoginTooLong);
    case Field::Role:
        return roles().contains(role) || fail(RoleWrong);
    case Field::None:
        break;
    }
    return true;
}

UserListForm::Field UserListForm::save()
{
    if (m_mode == Mode::Browse)
        return Field::None;
    for (Field f : {Field::Name, Field::Password, Field::LoginName})
        if (!checkField(f))
            return f;
    // A new operator needs a login name and a password; a changed one keeps what it has.
    if (m_mode == Mode::Append) {
        if (loginName.trimmed().isEmpty()) {
            fail(LoginEmpty);
            return Field::LoginName;
        }
        if (password.trimmed().isEmpty()) {
            fail(PasswordEmpty);
            return Field::Password;
        }
    }
    if (!checkField(Field::Role))
        return Field::Role;

    OperatorStore store(m_ctx.database());
    Operator op = m_mode == Mode::Edit ? m_rows[m_current] : Operator{};
    op.loginName = loginName;
    op.password = password;
    op.name = name;
    op.role = role;
    if (m_mode == Mode::Edit)
        store.update(op);
    else
        op.id = store.insert(op);
    m_rows = store.all();
    m_mode = Mode::Browse;
    m_current = 0;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == op.id)
            m_current = i;
    showRow();
    return Field::None;
}

bool UserListForm::remove()
{
    if (!m_ctx.prompt().confirm(DeleteQuestion))
        return false;
    if (m_rows.isEmpty() || m_current < 0) {
        m_ctx.prompt().information(NothingToDelete);
        return false;
    }
    OperatorStore store(m_ctx.database());
    store.remove(m_rows[m_current].id);
    m_rows = store.all();
    m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
    showRow();
    return true;
}
