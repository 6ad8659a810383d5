#include "ui/lists/ListScreen.h"

#include "data/lists/ListModel.h"
#include "forms/lists/ListForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ListScreen::ListScreen(ListForm &form, QWidget *parent) : QWidget(parent), m_form(form)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    searchBox = new QLineEdit(this);
    searchBox->setAccessibleName(QStringLiteral("查询内容"));
    searchModeBox = new QComboBox(this);
    searchModeBox->addItems(form.declaration().searchLabels());
    searchModeBox->setAccessibleName(QStringLiteral("查询方式"));
    findButton = new QPushButton(QStringLiteral("查询[&F]"), this);
    sortBox = new QComboBox(this);
    sortBox->addItems(form.declaration().sortLabels());
    sortBox->setCurrentIndex(-1);
    sortBox->setAccessibleName(QStringLiteral("排序"));
    top->addWidget(searchBox, 1);
    top->addWidget(searchModeBox);
    top->addWidget(findButton);
    top->addWidget(sortBox);
    layout->addLayout(top);

    grid = new QTableView(this);
    grid->setModel(&form.model());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Even record numbers are drawn on the tooltip colour with black text.
    grid->setAlternatingRowColors(true);
    QPalette pal = grid->palette();
    pal.setColor(QPalette::AlternateBase, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, Qt::black);
    grid->setPalette(pal);
    // Fixed row heights: the grid never measures rows, however many are fetched.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(22);
    layout->addWidget(grid, 1);

    setFocusProxy(searchBox);
    setTabOrder(searchBox, searchModeBox);
    setTabOrder(searchModeBox, findButton);
    setTabOrder(findButton, sortBox);
    setTabOrder(sortBox, grid);

    connect(findButton, &QPushButton::clicked, this, &ListScreen::onFind);
    connect(searchBox, &QLineEdit::returnPressed, this, &ListScreen::onFind);
    connect(searchModeBox, &QComboBox::activated, this, &ListScreen::onSearchMode);
    connect(sortBox, &QComboBox::activated, this, &ListScreen::onSort);
    connect(&form.model(), &QAbstractItemModel::modelAboutToBeReset, this, &ListScreen::aboutToList);
    connect(&form.model(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_form.rowCount() > 0)
            grid->selectRow(0); // the first row becomes current, which signals
        else
            emit currentRowChanged(-1);
    });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { emit currentRowChanged(currentRow()); });
}

int ListScreen::currentRow() const
{
    const QModelIndex i = grid->currentIndex();
    return i.isValid() ? i.row() : (m_form.rowCount() > 0 ? 0 : -1);
}

void ListScreen::onFind()
{
    const QString text = searchBox->text();
    m_form.search(searchModeBox->currentText(), text);
    if (text.trimmed().isEmpty())
        searchBox->clear();
    searchBox->setFocus();
}

void ListScreen::onSearchMode()
{
    if (searchModeBox->currentText() == m_form.declaration().showAllLabel)
        m_form.showAll();
    else
        searchBox->clear();
    searchBox->setFocus();
}

void ListScreen::onSort()
{
    if (sortBox->currentIndex() >= 0)
        m_form.sort(sortBox->currentText());
}
