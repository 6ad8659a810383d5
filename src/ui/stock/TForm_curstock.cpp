#include "ui/stock/TForm_curstock.h"

#include "forms/app/AppContext.h"
#include "print/stock/TForm_stock_report.h"
#include "print/stock/TForm_stockdetailReport.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"
#include "ui/stock/TForm_updateStock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_curstock::TForm_curstock(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("当前库存"));
    auto *layout = new QVBoxLayout(this);
    hideZeroBox = new QCheckBox(QStringLiteral("不显示零库存配件"), this);
    makeList(m_form, {hideZeroBox});
    grid->setToolTip(QStringLiteral("双击更新库存"));
    layout->addWidget(list, 1);

    auto *bottom = new QHBoxLayout;
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setReadOnly(true);
    remarksEdit->setMaximumHeight(48);
    totalEdit = new QLineEdit(this);
    totalEdit->setReadOnly(true);
    totalEdit->setMaximumWidth(140);
    printListButton = new QPushButton(QStringLiteral("打印列表"), this);
    printDetailButton = new QPushButton(QStringLiteral("打印明细"), this);
    updateButton = new QPushButton(QStringLiteral("更新库存"), this);
    bottom->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("附注：")));
    bottom->addWidget(remarksEdit, 1);
    bottom->addWidget(ScreenKit::caption(totalEdit, QStringLiteral("库存总金额：")));
    bottom->addWidget(totalEdit);
    bottom->addWidget(printListButton);
    bottom->addWidget(printDetailButton);
    bottom->addWidget(updateButton);
    layout->addLayout(bottom);

    m_keys->field(remarksEdit);
    m_keys->field(totalEdit);
    m_keys->button(printListButton, [this] { printList(); });
    m_keys->button(printDetailButton, [this] { printDetail(); });
    m_keys->button(updateButton, [this] { updateStock(); });
    m_keys->shortcut(grid, QKeySequence(Qt::Key_F5), [this] { refresh(); });
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] { m_form.refresh(); });

    auto *refreshAction = new QAction(QStringLiteral("刷新"), grid);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid->addAction(refreshAction);
    connect(refreshAction, &QAction::triggered, this, [this] { m_keys->run([this] { refresh(); }); });

    connect(hideZeroBox, &QCheckBox::toggled, this, [this](bool on) { m_form.setHideZero(on); });
    connect(list, &ListScreen::rowChosen, this, [this] { updateStock(); });
    connect(list, &ListScreen::currentRowChanged, this,
            [this](int row) { remarksEdit->setPlainText(row >= 0 ? m_form.remarks(row) : QString()); });

    m_form.open();
    totalEdit->setText(m_form.totalValueText());
    if (m_form.warningView())
        searchModeBox->setCurrentText(CurStockForm::WarningLabel);
}

void TForm_curstock::select(int row)
{
    if (row >= 0)
        grid->selectRow(row);
}

void TForm_curstock::printList()
{
    if (m_form.rowCount() == 0)
        return;
    TForm_Preview::showDocument(
        m_ctx.prompt(), TForm_stock_report::layout(m_form.printRows(), totalEdit->text(), m_form.printDateText()), this);
}

void TForm_curstock::printDetail()
{
    if (m_form.rowCount() == 0)
        return;
    TForm_Preview::showDocument(m_ctx.prompt(), TForm_stockdetailReport::layout(m_form.printRows(), m_form.printDateText()),
                                this);
}

void TForm_curstock::updateStock()
{
    const int row = currentRow();
    if (row < 0 || !m_form.mayCorrect())
        return;
    {
        TForm_updateStock dialog(m_ctx, m_form.partNo(row), this);
        if (dialog.loaded())
            dialog.exec();
    }
    select(m_form.relist(row));
}

void TForm_curstock::refresh()
{
    const int row = currentRow();
    if (row < 0)
        return;
    select(m_form.relist(row));
}
