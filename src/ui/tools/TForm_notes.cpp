#include "ui/tools/TForm_notes.h"

#include "data/db/DbError.h"
#include "forms/app/AppContext.h"
#include "ui/app/VantrelApplication.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

TForm_notes::TForm_notes(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("记事本"));
    resize(720, 600);
    auto *layout = new QVBoxLayout(this);
    grid = new QTableView(this);
    grid->setModel(&m_form);
    grid->setAccessibleName(QStringLiteral("记事"));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->setColumnWidth(0, 360);
    grid->setColumnWidth(1, 110);
    GridLook::apply(grid);
    layout->addWidget(grid, 1);

    auto *panel = new QGridLayout;
    subjectEdit = new QLineEdit(this);
    authorEdit = new QLineEdit(this);
    contentEdit = new QTextEdit(this);
    contentEdit->setAcceptRichText(false);
    contentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contentEdit->setAccessibleName(QStringLiteral("内容"));
    panel->addWidget(ScreenKit::caption(subjectEdit, QStringLiteral("主题：")), 0, 0);
    panel->addWidget(subjectEdit, 0, 1);
    panel->addWidget(ScreenKit::caption(authorEdit, QStringLiteral("记事人：")), 0, 2);
    panel->addWidget(authorEdit, 0, 3);
    panel->addWidget(contentEdit, 1, 0, 1, 4);
    panel->setColumnStretch(1, 1);
    layout->addLayout(panel, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    newButton = new QPushButton(QStringLiteral("新建[&N]"), this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {newButton, deleteButton, exitButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    // The grid, the subject (Enter checks its length and goes to the content), the author, the
    // content (its Enter is a new line), then the buttons.
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(grid, {}, ScreenKit::Walk::Aside);
    keys->route(subjectEdit, [this] {
        return m_form.checkSubject(subjectEdit->text()) ? ScreenKit::Step::to(contentEdit) : ScreenKit::Step::stay();
    });
    keys->field(authorEdit);
    keys->field(contentEdit);
    keys->button(newButton, [this] {
        const int row = m_form.add();
        grid->setCurrentIndex(m_form.index(row, 0));
        showCurrent();
        ScreenKit::focus(subjectEdit);
    });
    keys->button(deleteButton, [this] {
        if (m_form.remove()) {
            if (m_form.currentRow() >= 0)
                grid->setCurrentIndex(m_form.index(m_form.currentRow(), 0));
            showCurrent();
        }
    });
    keys->button(exitButton, [this] { close(); });
    keys->startAt(grid);

    connect(subjectEdit, &QLineEdit::textEdited, this, [this](const QString &t) { m_form.setSubject(t); });
    connect(authorEdit, &QLineEdit::textEdited, this, [this](const QString &t) { m_form.setAuthor(t); });
    connect(contentEdit, &QTextEdit::textChanged, this, [this] {
        if (!m_filling)
            m_form.setContent(contentEdit->toPlainText());
    });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &now) {
        if (m_filling)
            return;
        m_form.setCurrentRow(now.isValid() ? now.row() : -1);
        showCurrent();
    });

    keys->run([this] {
        m_form.open();
        if (m_form.currentRow() >= 0)
            grid->setCurrentIndex(m_form.index(m_form.currentRow(), 0));
        showCurrent();
    });
}

void TForm_notes::showCurrent()
{
    m_filling = true;
    const Note n = m_form.current();
    subjectEdit->setText(n.subject);
    authorEdit->setText(n.author);
    contentEdit->setPlainText(n.content);
    const bool any = m_form.currentRow() >= 0;
    subjectEdit->setEnabled(any);
    authorEdit->setEnabled(any);
    contentEdit->setEnabled(any);
    if (any && grid->currentIndex().row() != m_form.currentRow())
        grid->setCurrentIndex(m_form.index(m_form.currentRow(), 0));
    m_filling = false;
}

void TForm_notes::done(int result)
{
    // Every way out writes the changes; the window stays with them when that fails.
    try {
        m_form.save();
    } catch (const DbError &e) {
        VantrelApplication::showError(m_ctx.prompter, e);
        return;
    }
    QDialog::done(result);
}
