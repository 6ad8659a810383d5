#include "ui/maintenance/TForm_DB.h"

#include "data/maintenance/BatchTableModel.h"
#include "forms/app/AppContext.h"
#include "ui/app/TForm_Importprocess.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The progress window of the export, painted a few times a second (and once at the start, so
// "取消[&C]" is there from the first row).
class ExportWindow : public DatabaseBrowserForm::ExportProgress
{
public:
    explicit ExportWindow(QWidget *parent) : m_window(parent) {}
    ~ExportWindow() override { m_window.hide(); } // the screen takes the keys again

    void start(qint64 rows) override
    {
        m_rows = rows;
        m_window.setRange(0, int(rows));
        m_window.allowCancel();
        m_window.show();
        m_clock.start();
        m_window.setValue(0);
    }
    bool advance(qint64 done) override
    {
        if (done == m_rows || m_clock.hasExpired(50)) {
            m_window.setValue(int(done));
            m_clock.restart();
        }
        return !m_window.cancelled();
    }

private:
    TForm_Importprocess m_window;
    QElapsedTimer m_clock;
    qint64 m_rows = 0;
};
} // namespace

TForm_DB::TForm_DB(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("后台数据库"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowState(windowState() | Qt::WindowMaximized);
    resize(1000, 640);

    auto *layout = new QHBoxLayout(this);
    tables = new QListWidget(this);
    tables->setAccessibleName(QStringLiteral("数据表"));
    for (const DatabaseBrowserForm::Entry &e : DatabaseBrowserForm::entries())
        tables->addItem(e.caption);
    tables->setFixedWidth(150);
    layout->addWidget(tables);

    auto *right = new QVBoxLayout;
    grid = new QTableView(this);
    grid->setAccessibleName(QStringLiteral("数据"));
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    grid->verticalHeader()->setDefaultSectionSize(22);
    GridLook::apply(grid);
    right->addWidget(grid, 1);
    auto *buttons = new QHBoxLayout;
    addButton = new QPushButton(QStringLiteral("新建[&A]"), this);
    changeButton = new QPushButton(QStringLiteral("修改[&M]"), this);
    deleteButton = new QPushButton(QStringLiteral("删除[&D]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    exportButton = new QPushButton(QStringLiteral("导出到Excel>>"), this);
    buttons->addStretch(1);
    for (QPushButton *b : {addButton, changeButton, deleteButton, exitButton, exportButton})
        buttons->addWidget(b);
    right->addLayout(buttons);
    layout->addLayout(right, 1);

    // The list, then the grid (its keys are its own: typing edits a cell, Enter ends the edit),
    // then the buttons. Enter on a table in the list goes to its rows.
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->route(tables, [this] { return ScreenKit::Step::to(grid); });
    m_keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
    m_keys->button(addButton, [this] { onAdd(); });
    m_keys->button(changeButton, [this] { onChange(); });
    m_keys->button(deleteButton, [this] { onDelete(); });
    m_keys->button(exitButton, [this] {
        endEdit();
        if (m_form.exit())
            accept();
    });
    m_keys->button(exportButton, [this] { onExport(); });
    m_keys->startAt(tables);
    // A refused or failed switch goes back to the table still shown.
    m_keys->onError([this] {
        const QSignalBlocker block(tables);
        tables->setCurrentRow(m_form.currentEntry());
        showGrid();
    });
    connect(tables, &QListWidget::currentRowChanged, this, [this](int row) { m_keys->run([this, row] { onEntryChosen(row); }); });

    m_keys->run([this] {
        m_form.open();
        const QSignalBlocker block(tables);
        tables->setCurrentRow(0);
        showGrid();
    });
}

void TForm_DB::showGrid()
{
    if (m_form.currentEntry() < 0)
        return;
    if (grid->model() != &m_form.grid())
        grid->setModel(&m_form.grid());
    if (m_form.grid().rowCount() > 0)
        grid->setCurrentIndex(m_form.grid().index(0, 0));
}

void TForm_DB::onEntryChosen(int entry)
{
    if (entry < 0)
        return;
    endEdit();
    const bool moved = m_form.choose(entry);
    const QSignalBlocker block(tables);
    tables->setCurrentRow(m_form.currentEntry());
    if (moved)
        showGrid();
}

void TForm_DB::onAdd()
{
    const int row = m_form.add();
    const BatchTableModel &model = m_form.grid();
    int column = 0;
    while (column < model.columnCount() && !(model.flags(model.index(row, column)) & Qt::ItemIsEditable))
        ++column;
    const QModelIndex cell = m_form.grid().index(row, column);
    grid->setCurrentIndex(cell);
    ScreenKit::focus(grid);
    grid->edit(cell);
}

void TForm_DB::onChange()
{
    if (m_form.grid().rowCount() == 0)
        return;
    QModelIndex cell = grid->currentIndex();
    if (!cell.isValid())
        cell = m_form.grid().index(0, 0);
    grid->setCurrentIndex(cell);
    ScreenKit::focus(grid);
    grid->edit(cell);
}

void TForm_DB::onDelete()
{
    const QModelIndex cell = grid->currentIndex();
    const int row = cell.isValid() ? cell.row() : 0;
    if (!m_form.remove(row))
        return;
    const int rows = m_form.grid().rowCount();
    if (rows > 0)
        grid->setCurrentIndex(m_form.grid().index(qMin(row, rows - 1), qMax(cell.column(), 0)));
}

void TForm_DB::endEdit()
{
    // An editor still open (a button pressed by its mnemonic) hands its text to the batch when
    // it loses the focus.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused != grid && grid->isAncestorOf(focused))
        grid->setFocus();
}

void TForm_DB::onExport()
{
    endEdit();
    ExportWindow progress(this);
    m_form.exportShown(progress);
}

void TForm_DB::reject()
{
    m_form.discard();
    QDialog::reject();
}
