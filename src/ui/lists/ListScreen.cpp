#include "ui/lists/ListScreen.h"

#include "data/lists/ListModel.h"
#include "forms/lists/ListForm.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"
#include "ui/lists/WarningRowsProxy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ListScreen::ListScreen(ListForm &form, ScreenKit &keys, QWidget *parent, const QList<QWidget *> &besideFind)
    : QWidget(parent), m_form(form), m_keys(keys)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    searchBox = new QLineEdit(this);
    searchModeBox = new QComboBox(this);
    searchModeBox->addItems(form.declaration().searchLabels());
    findButton = new QPushButton(QStringLiteral("查询[&F]"), this);
    sortBox = new QComboBox(this);
    sortBox->addItems(form.declaration().sortLabels());
    sortBox->setCurrentIndex(-1);
    QLabel *searchCaption = ScreenKit::caption(searchBox, QStringLiteral("查询内容："));
    QLabel *modeCaption = ScreenKit::caption(searchModeBox, QStringLiteral("查询方式："));
    QLabel *sortCaption = ScreenKit::caption(sortBox, QStringLiteral("排序："));
    top->addWidget(searchCaption);
    top->addWidget(searchBox, 1);
    top->addWidget(modeCaption);
    top->addWidget(searchModeBox);
    top->addWidget(findButton);
    for (QWidget *w : besideFind)
        top->addWidget(w);
    top->addWidget(sortCaption);
    top->addWidget(sortBox);
    // A list without sort items has no sort box.
    sortCaption->setVisible(sortBox->count() > 0);
    sortBox->setVisible(sortBox->count() > 0);
    layout->addLayout(top);

    QAbstractItemModel *rows = &form.model();
    if (form.declaration().warningRow)
        rows = new WarningRowsProxy(form, this);
    grid = ListPage::readOnlyList(rows, QString(), this);
    layout->addWidget(grid, 1);

    // A list without searches shows no search row, and starts in its grid.
    const bool searches = !form.declaration().searches.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(searchCaption), static_cast<QWidget *>(searchBox),
                       static_cast<QWidget *>(modeCaption), static_cast<QWidget *>(searchModeBox),
                       static_cast<QWidget *>(findButton)})
        w->setVisible(searches);

    setFocusProxy(searches ? static_cast<QWidget *>(searchBox) : grid);
    using Step = ScreenKit::Step;
    keys.route(searchBox, [this] {
        onFind();
        return Step::stay();
    });
    keys.route(searchModeBox, [this] { return Step::to(searchBox); });
    searchModeBox->installEventFilter(this);
    keys.button(findButton, [this] { onFind(); });
    for (QWidget *w : besideFind)
        keys.field(w, {}, ScreenKit::Walk::Aside);
    keys.field(sortBox);
    keys.route(grid, [this] {
        if (m_form.rowCount() > 0)
            emit rowChosen(currentRow());
        return Step::stay();
    });
    keys.startAt(searches ? static_cast<QWidget *>(searchBox) : grid);

    connect(searchModeBox, &QComboBox::activated, this, [this] { m_keys.run([this] { onSearchMode(); }); });
    connect(sortBox, &QComboBox::activated, this, [this] { m_keys.run([this] { onSort(); }); });
    connect(grid, &QTableView::doubleClicked, this, [this] { m_keys.run([this] { emit rowChosen(currentRow()); }); });
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
    if (text.trimmed().isEmpty())
        searchBox->clear();
    m_form.search(searchModeBox->currentText(), text);
    ScreenKit::focus(searchBox);
}

void ListScreen::applySearchMode()
{
    const QString label = searchModeBox->currentText();
    const bool showAll = label == m_form.declaration().showAllLabel;
    if (!showAll || m_form.declaration().showAllEmptiesText)
        searchBox->clear();
    m_form.choose(label);
}

void ListScreen::onSearchMode()
{
    applySearchMode();
    ScreenKit::focus(searchBox);
}

bool ListScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down on the closed mode box step through the modes without leaving it.
    if (watched == searchModeBox && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int step = key->key() == Qt::Key_Down ? 1 : key->key() == Qt::Key_Up ? -1 : 0;
        if (step != 0 && key->modifiers() == Qt::NoModifier) {
            const int to = searchModeBox->currentIndex() + step;
            if (to >= 0 && to < searchModeBox->count()) {
                searchModeBox->setCurrentIndex(to);
                m_keys.run([this] { applySearchMode(); });
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListScreen::onSort()
{
    if (sortBox->currentIndex() >= 0)
        m_form.sort(sortBox->currentText());
}
