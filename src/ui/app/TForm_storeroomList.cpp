#include "ui/app/TForm_storeroomList.h"

#include "ui/app/FormLayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
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
    grid = new QTableWidget(0, 4, this);
    grid->setHorizontalHeaderLabels({QStringLiteral("姓名"), QStringLiteral("用户名"), QStringLiteral("密码"), QStringLiteral("权限")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setAccessibleName(QStringLiteral("用户列表"));
    layout->addWidget(grid, 1);

    auto *fields = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    loginEdit = FormLayout::addField(left, QStringLiteral("用户名："));
    passwordEdit = FormLayout::addField(left, QStringLiteral("密码："));
    nameEdit = FormLayout::addField(right, QStringLiteral("姓  名："));
    auto *roleRow = new QHBoxLayout;
    roleBox = new QComboBox(this);
    roleBox->setEditable(true);
    roleBox->addItems(UserListForm::roles());
    auto *roleLabel = new QLabel(QStringLiteral("权限："), this);
    roleLabel->setBuddy(roleBox);
    FormLayout::caption(roleBox, QStringLiteral("权限："));
    roleRow->addWidget(roleLabel);
    roleRow->addWidget(roleBox, 1);
    right->addLayout(roleRow);
    fields->addLayout(left);
    fields->addLayout(right);
    layout->addLayout(fields);

    auto *buttons = new QHBoxLayout;
    newButton = new QPushButton(NewCaption, this);
    changeButton = new QPushButton(ChangeCaption, this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {newButton, changeButton, deleteButton, exitButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    resize(560, 420);

    setTabOrder(nameEdit, passwordEdit);
    setTabOrder(passwordEdit, loginEdit);
    setTabOrder(loginEdit, roleBox);

    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        m_form.select(row);
        showFields();
    });
    connect(newButton, &QPushButton::clicked, this, [this] { saveOrBegin(newButton, true); });
    connect(changeButton, &QPushButton::clicked, this, [this] { saveOrBegin(changeButton, false); });
    connect(deleteButton, &QPushButton::clicked, this, [this] {
        if (m_form.remove()) {
            fillGrid();
            showFields();
        }
    });
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    connect(nameEdit, &QLineEdit::returnPressed, this, [this] { enterIn(UserListForm::Field::Name); });
    connect(passwordEdit, &QLineEdit::returnPressed, this, [this] { enterIn(UserListForm::Field::Password); });
    connect(loginEdit, &QLineEdit::returnPressed, this, [this] { enterIn(UserListForm::Field::LoginName); });
    connect(roleBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { enterIn(UserListForm::Field::Role); });
    setEditing(false);
}

void TForm_storeroomList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_form.load();
    fillGrid();
    showFields();
    exitButton->setFocus();
}

void TForm_storeroomList::fillGrid()
{
    const QSignalBlocker block(grid);
    const auto &rows = m_form.rows();
    grid->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const Operator &op = rows[i];
        const QStringList cells{op.name, op.loginName, op.password, op.role};
        for (int c = 0; c < cells.size(); ++c)
            grid->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    if (m_form.current() >= 0)
        grid->setCurrentCell(m_form.current(), 0);
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
        nameEdit->setFocus();
        return;
    }
    readFields();
    const UserListForm::Field failed = m_form.save();
    if (failed != UserListForm::Field::None) {
        widgetFor(failed)->setFocus();
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

void TForm_storeroomList::enterIn(UserListForm::Field field)
{
    readFields();
    if (!m_form.checkField(field)) {
        widgetFor(field)->setFocus();
        return;
    }
    switch (field) {
    case UserListForm::Field::Name:
        passwordEdit->setFocus();
        break;
    case UserListForm::Field::Password:
        loginEdit->setFocus();
        break;
    case UserListForm::Field::LoginName:
        roleBox->setFocus();
        break;
    case UserListForm::Field::Role:
        (newButton->isEnabled() ? newButton : changeButton)->setFocus();
        break;
    case UserListForm::Field::None:
        break;
    }
}
