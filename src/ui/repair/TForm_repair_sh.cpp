#include "ui/repair/TForm_repair_sh.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/lists/RemarksMemo.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_repair_sh::TForm_repair_sh(AppContext &ctx, RightsTable::Access access, const QString &mode, const QDate &day,
                                 QWidget *parent)
    : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("维修查询"));
    auto *layout = new QVBoxLayout(this);
    makeList(m_form);
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
    m_keys->field(remarksEdit);
    m_keys->button(detailButton, [this] { openDetail(); });
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] { m_form.refresh(); });

    connect(list, &ListScreen::rowChosen, this, &TForm_repair_sh::openDetail);
    m_remarks = new RemarksMemo(
        list, m_form, remarksEdit, [this](int row) { return m_form.remarks(row); },
        [this](int row, const QString &text) { m_form.saveRemarks(row, text); });

    m_form.load(mode, day);
}

void TForm_repair_sh::openDetail()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_remarks->save();
    TForm_repairDetail detail(m_ctx, m_form.customer(row), m_form.number(row), m_form.stockOutBill(row), this);
    detail.exec();
}
