#pragma once

#include "data/app/Operator.h"

#include <QList>
#include <QString>

struct AppContext;

// The user screen: a list of every operator and one row edited at a time, new or changed.
class UserListForm
{
public:
    enum class Mode { Browse, Append, Edit };
    // Where the focus goes after a failed check; None when all checks passed.
    enum class Field { None, Name, Password, LoginName, Role };

    static inline const QString NameEmpty = QStringLiteral("姓名不能为空！");
    static inline const QString NameTooLong = QStringLiteral("姓名太长！");
    static inline const QString PasswordTooLong = QStringLiteral("密码位数不能大于8！");
    static inline const QString LoginTooLong = QStringLiteral("用户名的位数不能大于8！");
    static inline const QString LoginEmpty = QStringLiteral("用户名不能为空！");
    static inline const QString PasswordEmpty = QStringLiteral("密码不能为空！");
    static inline const QString RoleWrong = QStringLiteral("权限有误，请从下拉框中选择！");
    static inline const QString DeleteQuestion = QStringLiteral("确定删除吗？");
    static inline const QString NothingToDelete = QStringLiteral("不存在可删除的用户记录！");
    static QStringList roles(); // "待分配", "超级用户"

    explicit UserListForm(AppContext &ctx) : m_ctx(ctx) {}

    void load();
    const QList<Operator> &rows() const { return m_rows; }
    int current() const { return m_current; }
    void select(int row); // browse mode only: shows the row in the fields
    Mode mode() const { return m_mode; }

    // The fields under the list.
    QString loginName;
    QString password;
    QString name;
    QString role;

    void beginNew();
    bool beginChange(); // false when there is no row to change
    // Checks (showing the first failure) and stores the row; Field::None when stored.
    Field save();
    void cancel();
    // The check Enter makes in one field; false after showing its message.
    bool checkField(Field field);
    // Asks, then deletes the selected row; true when a row was deleted.
    bool remove();

private:
    bool fail(const QString &message);
    void showRow();

    AppContext &m_ctx;
    QList<Operator> m_rows;
    int m_current = -1;
    Mode m_mode = Mode::Browse;
};
