#include "ui/app/TForm_storeroomList.h"

#include "forms/app/AppContext.h"
#include "forms/lists/RowListModel.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString NewCaption = QStringLiteral("新建[&N]");
const QString ChangeCaption = QStringLiteral("修改[&M]");
const QString SaveCaption = QStringLiteral("保存[&S]");
}

TForm_storeroomList::TForm_storeroomList(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("用户管理"));
    auto *layout = new QVBoxLayout(this);
    m_rows = new RowListModel({{{}, QStringLiteral("姓名")}, {{}, QStringLiteral("用户名")}, {{}, QStringLiteral("密码")},
                               {{}, QStringLiteral("权限")}},
                              this);
    grid = ListPage::readOnlyList(m_rows, QStringLiteral("用户列表"), this);
    layout->addWidget(grid, 1);

    loginEdit = new QLineEdit(this);
    passwordEdit = new QLineEdit(this);
    nameEdit = new QLineEdit(this);
    roleBox = new QComboBox(this);
    roleBox->setEditable(true);
    roleBox->addItems(UserListForm::roles());
    auto *fields = new QGridLayout;
    fields->addWidget(ScreenKit::caption(loginEdit, QStringLiteral("用户名：")), 0, 0);
    fields->addWidget(loginEdit, 0, 1);
    fields->addWidget(ScreenKit::caption(passwordEdit, QStringLiteral("密码：")), 1, 0);
    fields->addWidget(passwordEdit, 1, 1);
    fields->addWidget(ScreenKit::caption(nameEdit, QStringLiteral("姓  名：")), 0, 2);
    fields->addWidget(nameEdit, 0, 3);
    fields->addWidget(ScreenKit::caption(roleBox, QStringLiteral("权限：")), 1, 2);
    fields->addWidget(roleBox, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    layout->addLayout(fields);

    auto *buttons = new QHBoxLayout;
    newButton = new QPushButton(NewCaption, this);
    changeButton = new QPushButton(ChangeCaption, this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {newButton, changeButton, deleteButton, exitButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (m_filling)
            return;
        m_form.select(current.isValid() ? current.row() : -1);
        showFields();
    });

    // Enter walks name, password, login name and role, each checked on the way, then lands on
    // whichever of "新建[&N]" and "修改[&M]" is saving.
    using F = UserListForm::Field;
    auto checked = [this](F field) {
        return [this, field] {
            readFields();
            return m_form.checkField(field);
        };
    };
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(grid, {}, ScreenKit::Walk::Aside);
    m_keys->field(nameEdit, checked(F::Name));
    m_keys->field(passwordEdit, checked(F::Password));
    m_keys->field(loginEdit, checked(F::LoginName));
    m_keys->field(roleBox, checked(F::Role));
    m_keys->button(newButton, [this] { saveOrBegin(newButton, true); });
    m_keys->button(changeButton, [this] { saveOrBegin(changeButton, false); });
    m_keys->button(deleteButton, [this] {
        if (m_form.remove()) {
            fillGrid();
            showFields();
        }
    });
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->startAt(exitButton);
    // Whether a failed write landed or not, the list shows what the table holds.
    m_keys->onError([this] { browse(); });
    setEditing(false);
}

void TForm_storeroomList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_keys->run([this] { browse(); });
}

void TForm_storeroomList::browse()
{
    m_form.load();
    newButton->setText(NewCaption);
    changeButton->setText(ChangeCaption);
    for (QPushButton *b : {newButton, changeButton, deleteButton})
        b->setEnabled(true);
    setEditing(false);
    fillGrid();
    showFields();
}

void TForm_storeroomList::fillGrid()
{
    const QScopedValueRollback filling(m_filling, true);
    QList<QStringList> rows;
    for (const Operator &op : m_form.rows())
        rows << QStringList{op.name, op.loginName, op.password, op.role};
    m_rows->setRows(std::move(rows));
    if (m_form.current() >= 0)
        grid->selectRow(m_form.current());
}

void TForm_storeroomList::showFields()
{
    loginEdit->setText(m_form.loginName);
    passwordEdit->setText(m_form.password);
    nameEdit->setText(m_form.name);
    roleBox->setEditText(m_form.role);
}

void TForm_storeroomList::readFields()
{
    m_form.loginName = loginEdit->text();
    m_form.password = passwordEdit->text();
    m_form.name = nameEdit->text();
    m_form.role = roleBox->currentText();
}

void TForm_storeroomList::setEditing(bool editing)
{
    for (QLineEdit *e : {loginEdit, passwordEdit, nameEdit})
        e->setReadOnly(!editing);
    roleBox->setEnabled(editing);
    grid->setEnabled(!editing);
}

void TForm_storeroomList::saveOrBegin(QPushButton *button, bool isNew)
{
    QPushButton *other = isNew ? changeButton : newButton;
    if (button->text() != SaveCaption) {
        if (isNew) {
            m_form.beginNew();
        } else if (!m_form.beginChange()) {
            return;
        }
        showFields();
        button->setText(SaveCaption);
        other->setEnabled(false);
        deleteButton->setEnabled(false);
        setEditing(true);
        ScreenKit::focus(nameEdit);
        return;
    }
    readFields();
    const UserListForm::Field failed = m_form.save();
    if (failed != UserListForm::Field::None) {
        ScreenKit::focus(widgetFor(failed));
        return;
    }
    button->setText(isNew ? NewCaption : ChangeCaption);
    other->setEnabled(true);
    deleteButton->setEnabled(true);
    setEditing(false);
    fillGrid();
    showFields();
}

QWidget *TForm_storeroomList::widgetFor(UserListForm::Field field) const
{
    switch (field) {
    case UserListForm::Field::Name:
        return nameEdit;
    case UserListForm::Field::Password:
        return passwordEdit;
    case UserListForm::Field::LoginName:
        return loginEdit;
    case UserListForm::Field::Role:
    case UserListForm::Field::None:
        break;
    }
    return roleBox;
}
