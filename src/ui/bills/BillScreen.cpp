#include "ui/bills/BillScreen.h"

#include "forms/app/AppContext.h"
#include "forms/bills/BillForm.h"
#include "ui/bills/BillGrid.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/kit/ScreenKit.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

BillScreen::BillScreen(AppContext &ctx, QWidget *parent) : QDialog(parent), m_keys(new ScreenKit(this, ctx.prompter))
{
}

BillGrid *BillScreen::makeGrid(BillForm &form)
{
    grid = new BillGrid(&form.lines(), this);
    grid->pickPart = [this, &form] { return TForm_fittings::choose(form.ctx(), this); };
    pickButton = grid->pickButton();
    return grid;
}

void BillScreen::fitWidth(int width)
{
    resize(sizeHint().expandedTo(QSize(width, 0)));
    grid->home();
}

void BillScreen::place(QGridLayout *header, int row, int col, const QString &caption, QWidget *input, QWidget *shown)
{
    header->addWidget(ScreenKit::caption(input, caption), row, col * 2);
    header->addWidget(shown ? shown : input, row, col * 2 + 1);
}

QDateEdit *BillScreen::makeDateEdit(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QLocale(QLocale::Chinese, QLocale::China).dateFormat(QLocale::LongFormat));
    return edit;
}

void BillScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    opened();
    grid->home();
}
