#include "ui/repair/TForm_repair_sh.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_repair_sh::TForm_repair_sh(AppContext &ctx, RightsTable::Access access, const QString &mode, const QDate &day,
                                 QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("维修查询"));
    auto *layout = new QVBoxLayout(this);
    auto *keys = new ScreenKit(this, ctx.prompter);
    list = new ListScreen(m_form, *keys, this);
    searchBox = list->searchBox;
    searchModeBox = list->searchModeBox;
    findButton = list->findButton;
    sortBox = list->sortBox;
    grid = list->grid;
    grid->setToolTip(QStringLiteral("双击显示维修明细"));
    layout->addWidget(list, 1);

    auto *bottom = new QHBoxLayout;
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(60);
    QLabel *remarksLabel = ScreenKit::caption(remarksEdit, QStringLiteral("附注："));
    detailButton = new QPushButton(QStringLiteral("维修明细"), this);
    bottom->addWidget(remarksLabel);
    bottom->addWidget(remarksEdit, 1);
    bottom->addWidget(detailButton);
    layout->addLayout(bottom);
    setFocusProxy(list);
    keys->field(remarksEdit);
    keys->button(detailButton, [this] { openDetail(); });
    // After a database error the list is read again, so what it shows is what the file holds.
    keys->onError([this] { m_form.refresh(); });

    connect(list, &ListScreen::rowChosen, this, &TForm_repair_sh::openDetail);
    connect(list, &ListScreen::aboutToList, this, [this] {
        saveRemarks();
        m_remarksRow = -1;
    });
    connect(list, &ListScreen::currentRowChanged, this, [this](int row) {
        saveRemarks();
        showRemarks(row);
    });

    m_form.load(mode, day);
}

int TForm_repair_sh::currentRow() const
{
    return list->currentRow();
}

void TForm_repair_sh::showRemarks(int row)
{
    m_remarksRow = row;
    remarksEdit->setPlainText(row >= 0 ? m_form.remarks(row) : QString());
}

void TForm_repair_sh::saveRemarks()
{
    if (m_remarksRow >= 0 && m_remarksRow < m_form.rowCount())
        m_form.saveRemarks(m_remarksRow, remarksEdit->toPlainText());
}

void TForm_repair_sh::openDetail()
{
    const int row = currentRow();
    if (row < 0)
        return;
    saveRemarks();
    TForm_repairDetail detail(m_ctx, m_form.customer(row), m_form.number(row), m_form.stockOutBill(row), this);
    detail.exec();
}
