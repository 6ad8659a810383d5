#include "ui/sales/TForm_sellback_sh.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/lists/RemarksMemo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TForm_sellback_sh::TForm_sellback_sh(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("退换查询"));
    auto *layout = new QVBoxLayout(this);
    makeList(m_form);
    layout->addWidget(list, 1);

    auto *bottom = new QHBoxLayout;
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(60);
    bottom->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("附注：")));
    bottom->addWidget(remarksEdit, 1);
    layout->addLayout(bottom);
    m_keys->field(remarksEdit);
    m_keys->onError([this] { m_form.refresh(); });

    new RemarksMemo(
        list, m_form, remarksEdit, [this](int row) { return m_form.remarks(row); },
        [this](int row, const QString &text) { m_form.saveRemarks(row, text); });

    m_form.load();
}
