#include "ui/catalogs/NameListScreen.h"

#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

NameListScreen::NameListScreen(AppContext &ctx, CatalogDeclaration decl, QWidget *parent)
    : QDialog(parent), m_editor(ctx, std::move(decl))
{
    setWindowTitle(m_editor.declaration().caption);
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    grid = new QTableView(this);
    grid->setModel(&m_editor.list());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAccessibleName(m_editor.declaration().caption);
    GridLook::apply(grid);
    left->addWidget(grid, 1);
    if (m_editor.declaration().uniqueLabel) {
        uniqueLabel = new QLabel(QStringLiteral("类别名称不允许重复"), this);
        left->addWidget(uniqueLabel);
    }
    layout->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    newButton = new QPushButton(QStringLiteral("新建[&N]"), this);
    changeButton = new QPushButton(QStringLiteral("修改[&M]"), this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {newButton, changeButton, deleteButton, exitButton})
        right->addWidget(b);
    right->addStretch(1);
    layout->addLayout(right);

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { m_editor.setCurrentRow(index.row()); });
    // The list, then the buttons; each change is asked for in an input box.
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(grid);
    m_keys->button(newButton, [this] {
        if (m_editor.add())
            selectCurrent();
    });
    m_keys->button(changeButton, [this] {
        if (m_editor.change())
            selectCurrent();
    });
    m_keys->button(deleteButton, [this] {
        if (m_editor.remove())
            selectCurrent();
    });
    m_keys->button(exitButton, [this] { reject(); });
    // After a database error the list is read again.
    m_keys->onError([this] {
        m_editor.open();
        selectCurrent();
    });
    resize(420, 400);
}

void NameListScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_keys->run([this] { m_editor.open(); });
    selectCurrent();
}

void NameListScreen::selectCurrent()
{
    const int row = m_editor.currentRow();
    if (row < 0)
        return;
    const int keep = row;
    grid->selectionModel()->setCurrentIndex(m_editor.list().index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_editor.setCurrentRow(keep);
}
