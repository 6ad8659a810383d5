#include "ui/sales/TForm_sellback_sh.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

TForm_sellback_sh::TForm_sellback_sh(AppContext &ctx, QWidget *parent) : QWidget(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("退换查询"));
    auto *layout = new QVBoxLayout(this);
    auto *keys = new ScreenKit(this, ctx.prompter);
    list = new ListScreen(m_form, *keys, this);
    searchBox = list->searchBox;
    searchModeBox = list->searchModeBox;
    findButton = list->findButton;
    grid = list->grid;
    layout->addWidget(list, 1);

    auto *bottom = new QHBoxLayout;
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(60);
    bottom->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("附注：")));
    bottom->addWidget(remarksEdit, 1);
    layout->addLayout(bottom);
    setFocusProxy(list);
    keys->field(remarksEdit);
    keys->onError([this] { m_form.refresh(); });

    connect(list, &ListScreen::aboutToList, this, [this] {
        saveRemarks();
        m_remarksRow = -1;
    });
    connect(list, &ListScreen::currentRowChanged, this, [this](int row) {
        saveRemarks();
        showRemarks(row);
    });

    m_form.load();
}

int TForm_sellback_sh::currentRow() const
{
    return list->currentRow();
}

void TForm_sellback_sh::showRemarks(int row)
{
    m_remarksRow = row;
    remarksEdit->setPlainText(row >= 0 ? m_form.remarks(row) : QString());
}

void TForm_sellback_sh::saveRemarks()
{
    if (m_remarksRow >= 0 && m_remarksRow < m_form.rowCount())
        m_form.saveRemarks(m_remarksRow, remarksEdit->toPlainText());
}
