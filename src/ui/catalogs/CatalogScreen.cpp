#include "ui/catalogs/CatalogScreen.h"

#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString NewCaption = QStringLiteral("新建[&N]");
const QString ChangeCaption = QStringLiteral("修改[&M]");
const QString SaveCaption = QStringLiteral("保存[&S]");
}

CatalogScreen::CatalogScreen(AppContext &ctx, CatalogDeclaration decl, QWidget *parent)
    : QDialog(parent), m_editor(ctx, std::move(decl))
{
    const CatalogDeclaration &d = m_editor.declaration();
    setWindowTitle(d.caption);
    auto *layout = new QVBoxLayout(this);
    m_keys = new ScreenKit(this, ctx.prompter);
    using Step = ScreenKit::Step;

    if (!d.searchModes.isEmpty()) {
        auto *bar = new QHBoxLayout;
        searchMode = new QComboBox(this);
        searchMode->setEditable(true);
        searchMode->addItem(CatalogDeclaration::ShowAll);
        for (const auto &m : d.searchModes)
            searchMode->addItem(m.label);
        searchBox = new QLineEdit(this);
        searchButton = new QPushButton(QStringLiteral("查询"), this);
        bar->addWidget(ScreenKit::caption(searchMode, QStringLiteral("查询方式：")));
        bar->addWidget(searchMode);
        bar->addWidget(ScreenKit::caption(searchBox, QStringLiteral("查询内容：")));
        bar->addWidget(searchBox, 1);
        bar->addWidget(searchButton);
        layout->addLayout(bar);
        // The search box first: Enter in it searches; Enter on a mode chooses it.
        m_keys->route(searchBox, [this] {
            onSearch();
            return Step::done();
        });
        m_keys->route(searchMode, [this] {
            onModeChosen();
            return Step::done();
        });
        m_keys->button(searchButton, [this] { onSearch(); }, ScreenKit::Walk::Aside);
        connect(searchMode, &QComboBox::activated, this, [this] { m_keys->run([this] { onModeChosen(); }); });
    }

    grid = new QTableView(this);
    grid->setModel(&m_editor.list());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setAccessibleName(d.caption);
    QList<int> money;
    for (int i = 0; i < d.gridColumns.size(); ++i)
        if (d.gridColumns.at(i).column.type == ColumnType::Money)
            money << i;
    GridLook::apply(grid, money);
    layout->addWidget(grid, 1);
    m_keys->field(grid, {}, ScreenKit::Walk::Aside);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CatalogScreen::onRowChosen);

    auto *panel = new QGridLayout;
    int cell = 0;
    for (const CatalogField &f : d.fields) {
        QWidget *w = nullptr;
        switch (f.kind) {
        case CatalogField::Kind::Line: {
            auto *e = new QLineEdit(this);
            connect(e, &QLineEdit::textChanged, this, [this, c = f.column](const QString &t) {
                if (!m_filling)
                    m_editor.setValue(c, t);
            });
            w = e;
            break;
        }
        case CatalogField::Kind::Memo: {
            auto *e = new QPlainTextEdit(this);
            e->setTabChangesFocus(true);
            e->setMaximumHeight(60);
            connect(e, &QPlainTextEdit::textChanged, this, [this, e, c = f.column] {
                if (!m_filling)
                    m_editor.setValue(c, e->toPlainText());
            });
            w = e;
            break;
        }
        case CatalogField::Kind::Choice: {
            auto *e = new QComboBox(this);
            e->setEditable(true);
            e->setInsertPolicy(QComboBox::NoInsert);
            connect(e, &QComboBox::currentTextChanged, this, [this, c = f.column](const QString &t) {
                if (!m_filling)
                    m_editor.setValue(c, t);
            });
            w = e;
            break;
        }
        }
        QLabel *label = ScreenKit::caption(w, f.label);
        // Enter checks the field and moves on as the declaration says; a memo keeps its Enter.
        if (f.kind == CatalogField::Kind::Memo)
            m_keys->field(w);
        else
            m_keys->route(w, [this, c = f.column] {
                m_editor.enter(c);
                return Step::to(target(m_editor.focusTarget()));
            });
        const int row = cell / 2;
        const int col = (cell % 2) * 2;
        if (f.kind == CatalogField::Kind::Memo) {
            if (cell % 2)
                ++cell;
            panel->addWidget(label, (cell / 2), 0);
            panel->addWidget(w, (cell / 2), 1, 1, 3);
            cell += 2;
        } else {
            panel->addWidget(label, row, col);
            panel->addWidget(w, row, col + 1);
            ++cell;
        }
        m_inputs.insert(f.column, w);
    }
    layout->addLayout(panel);

    auto *buttons = new QHBoxLayout;
    m_buttonRow = buttons;
    layout->addLayout(buttons);
    newButton = new QPushButton(NewCaption, this);
    changeButton = new QPushButton(ChangeCaption, this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {newButton, changeButton, deleteButton, exitButton})
        buttons->addWidget(b);
    m_keys->button(newButton, [this] { onNew(); });
    m_keys->button(changeButton, [this] { onChange(); });
    m_keys->button(deleteButton, [this] { onDelete(); });
    m_keys->button(exitButton, [this] { reject(); });
    // After a database error the screen shows the editor's state again.
    m_keys->onError([this] { refresh(); });
    resize(760, 560);
}

QPushButton *CatalogScreen::addButton(const QString &caption, const std::function<void()> &action)
{
    auto *b = new QPushButton(caption, this);
    m_buttonRow->addWidget(b);
    m_keys->button(b, action);
    return b;
}

QLineEdit *CatalogScreen::lineEdit(const ColumnRef &column) const
{
    QWidget *w = input(column);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e;
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->lineEdit();
    return nullptr;
}

QString CatalogScreen::inputText(const ColumnRef &column) const
{
    QWidget *w = input(column);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return m->toPlainText();
    return {};
}

void CatalogScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_keys->run([this] {
        fillChoices();
        m_editor.open();
    });
    refresh();
}

void CatalogScreen::fillChoices()
{
    m_filling = true;
    for (const CatalogField &f : m_editor.declaration().fields) {
        if (f.kind != CatalogField::Kind::Choice)
            continue;
        auto *box = static_cast<QComboBox *>(m_inputs.value(f.column));
        box->clear();
        box->addItems(m_editor.choices(f.column));
    }
    m_filling = false;
}

void CatalogScreen::refresh()
{
    const CatalogEditor::Mode mode = m_editor.mode();
    const bool editing = m_editor.isEditing();
    newButton->setText(mode == CatalogEditor::Mode::Add ? SaveCaption : NewCaption);
    changeButton->setText(mode == CatalogEditor::Mode::Del ? SaveCaption : ChangeCaption);
    newButton->setEnabled(mode != CatalogEditor::Mode::Del);
    changeButton->setEnabled(mode != CatalogEditor::Mode::Add);
    deleteButton->setEnabled(!editing);
    grid->setEnabled(!editing || m_editor.declaration().refillWhileEditing);
    if (searchBox) {
        searchBox->setEnabled(!editing);
        searchMode->setEnabled(!editing);
        searchButton->setEnabled(!editing);
    }

    m_filling = true;
    for (auto it = m_inputs.cbegin(); it != m_inputs.cend(); ++it) {
        const QString text = m_editor.value(it.key());
        if (auto *e = qobject_cast<QLineEdit *>(it.value())) {
            e->setText(text);
            e->setReadOnly(!editing);
        } else if (auto *m = qobject_cast<QPlainTextEdit *>(it.value())) {
            m->setPlainText(text);
            m->setReadOnly(!editing);
        } else if (auto *c = qobject_cast<QComboBox *>(it.value())) {
            c->setEditText(text);
            c->lineEdit()->setReadOnly(!editing);
            c->setEnabled(editing);
        }
    }
    m_filling = false;

    const int row = m_editor.currentRow();
    QItemSelectionModel *sel = grid->selectionModel();
    if (row >= 0 && sel->currentIndex().row() != row) {
        m_filling = true;
        sel->setCurrentIndex(m_editor.list().index(row, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_filling = false;
    }
}

QWidget *CatalogScreen::target(const ColumnRef &name) const
{
    if (name == CatalogEditor::SearchBox)
        return searchBox;
    if (name == CatalogEditor::ActionButton) {
        switch (m_editor.mode()) {
        case CatalogEditor::Mode::Add:
            return newButton;
        case CatalogEditor::Mode::Del:
        case CatalogEditor::Mode::Ini:
            return changeButton;
        }
        return nullptr;
    }
    return m_inputs.value(name);
}

void CatalogScreen::focusOn(const ColumnRef &name)
{
    ScreenKit::focus(target(name));
}

void CatalogScreen::onNew()
{
    if (m_editor.mode() == CatalogEditor::Mode::Add) {
        if (!m_editor.save()) {
            focusOn(m_editor.focusTarget());
            return;
        }
    } else if (!m_editor.beginAdd()) {
        return;
    }
    refresh();
    focusOn(m_editor.focusTarget());
}

void CatalogScreen::onChange()
{
    if (m_editor.mode() == CatalogEditor::Mode::Del) {
        if (!m_editor.save()) {
            focusOn(m_editor.focusTarget());
            return;
        }
    } else if (!m_editor.beginChange()) {
        return;
    }
    refresh();
    focusOn(m_editor.focusTarget());
}

void CatalogScreen::onDelete()
{
    if (m_editor.remove())
        refresh();
}

void CatalogScreen::onSearch()
{
    const bool found = m_editor.search(searchMode->currentText(), searchBox->text());
    if (!found && searchBox->text().trimmed().isEmpty())
        searchBox->clear();
    refresh();
    ScreenKit::focus(searchBox);
}

void CatalogScreen::onModeChosen()
{
    if (searchMode->currentText() == CatalogDeclaration::ShowAll) {
        m_editor.showAll();
        refresh();
    }
    searchBox->clear();
    ScreenKit::focus(searchBox);
}

void CatalogScreen::onRowChosen()
{
    if (m_filling)
        return;
    m_editor.setCurrentRow(grid->selectionModel()->currentIndex().row());
    refresh();
}

void CatalogScreen::reject()
{
    m_editor.cancel(); // unsaved input is discarded
    QDialog::reject();
}
