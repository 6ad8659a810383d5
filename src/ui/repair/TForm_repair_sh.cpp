#include "ui/repair/TForm_repair_sh.h"

#include "core/repair/RepairJob.h"
#include "data/repair/RepairQueryModel.h"
#include "forms/app/AppContext.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace R = RepairQueryRules;

TForm_repair_sh::TForm_repair_sh(AppContext &ctx, RightsTable::Access access, const QString &mode, const QDate &day,
                                 QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("维修查询"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    searchBox = new QLineEdit(this);
    searchBox->setAccessibleName(QStringLiteral("查询内容"));
    searchModeBox = new QComboBox(this);
    searchModeBox->addItems(R::searchLabels());
    searchModeBox->setAccessibleName(QStringLiteral("查询方式"));
    findButton = new QPushButton(QStringLiteral("查询[&F]"), this);
    sortBox = new QComboBox(this);
    for (const R::SortItem &s : R::sortItems())
        sortBox->addItem(s.label);
    sortBox->setCurrentIndex(-1);
    sortBox->setAccessibleName(QStringLiteral("排序"));
    top->addWidget(searchBox, 1);
    top->addWidget(searchModeBox);
    top->addWidget(findButton);
    top->addWidget(sortBox);
    layout->addLayout(top);

    grid = new QTableView(this);
    grid->setModel(&m_form.model());
    grid->setToolTip(QStringLiteral("双击显示维修明细"));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Even record numbers are drawn on the tooltip colour with black text.
    grid->setAlternatingRowColors(true);
    QPalette pal = grid->palette();
    pal.setColor(QPalette::AlternateBase, pal.color(QPalette::ToolTipBase));
    grid->setPalette(pal);
    grid->verticalHeader()->setDefaultSectionSize(22);
    layout->addWidget(grid, 1);

    auto *bottom = new QHBoxLayout;
    auto *remarksLabel = new QLabel(QStringLiteral("附注："), this);
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(60);
    remarksLabel->setBuddy(remarksEdit);
    remarksEdit->setAccessibleName(QStringLiteral("附注："));
    detailButton = new QPushButton(QStringLiteral("维修明细"), this);
    bottom->addWidget(remarksLabel);
    bottom->addWidget(remarksEdit, 1);
    bottom->addWidget(detailButton);
    layout->addLayout(bottom);

    connect(findButton, &QPushButton::clicked, this, &TForm_repair_sh::onFind);
    connect(searchBox, &QLineEdit::returnPressed, this, &TForm_repair_sh::onFind);
    connect(searchModeBox, &QComboBox::activated, this, &TForm_repair_sh::onSearchMode);
    connect(sortBox, &QComboBox::activated, this, &TForm_repair_sh::onSort);
    connect(grid, &QTableView::doubleClicked, this, &TForm_repair_sh::openDetail);
    connect(detailButton, &QPushButton::clicked, this, &TForm_repair_sh::openDetail);
    connect(&m_form.model(), &QAbstractItemModel::modelAboutToBeReset, this, &TForm_repair_sh::saveRemarks);
    connect(&m_form.model(), &QAbstractItemModel::modelReset, this, [this] {
        m_remarksRow = -1;
        if (m_form.rowCount() > 0)
            grid->selectRow(0);
        showRemarks();
    });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        saveRemarks();
        showRemarks();
    });

    m_form.load(mode, day);
}

int TForm_repair_sh::currentRow() const
{
    const QModelIndex i = grid->currentIndex();
    return i.isValid() ? i.row() : (m_form.rowCount() > 0 ? 0 : -1);
}

void TForm_repair_sh::showRemarks()
{
    m_remarksRow = currentRow();
    remarksEdit->setPlainText(m_remarksRow >= 0 ? m_form.job(m_remarksRow).remarks : QString());
}

void TForm_repair_sh::saveRemarks()
{
    if (m_remarksRow >= 0 && m_remarksRow < m_form.rowCount())
        m_form.saveRemarks(m_remarksRow, remarksEdit->toPlainText());
}

void TForm_repair_sh::onFind()
{
    const QString text = searchBox->text();
    if (text.trimmed().isEmpty()) {
        m_form.search(searchModeBox->currentText(), text);
        searchBox->clear();
        return;
    }
    m_form.search(searchModeBox->currentText(), text);
}

void TForm_repair_sh::onSearchMode()
{
    if (searchModeBox->currentText() == R::ShowAll)
        m_form.showAll();
    else
        searchBox->clear();
    searchBox->setFocus();
}

void TForm_repair_sh::onSort()
{
    m_form.sort(sortBox->currentText());
}

void TForm_repair_sh::openDetail()
{
    const int row = currentRow();
    if (row < 0)
        return;
    saveRemarks();
    const RepairJob &job = m_form.job(row);
    TForm_repairDetail detail(m_ctx, job.customer, job.number, job.stockOutBill, this);
    detail.exec();
}
