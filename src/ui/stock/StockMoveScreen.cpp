#include "ui/stock/StockMoveScreen.h"

#include "ui/bills/BillGrid.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

StockMoveScreen::StockMoveScreen(AppContext &ctx, QWidget *parent) : BillScreen(ctx, parent)
{
    billNumberEdit = new QLineEdit(this);
    handledByEdit = new QLineEdit(this);
    dateEdit = makeDateEdit(this);
    reasonBox = new QComboBox(this);
    reasonBox->setEditable(true);
}

void StockMoveScreen::build(StockMoveForm &form, const Look &look)
{
    m_form = &form;
    auto *layout = new QVBoxLayout(this);

    auto *title = new QLabel(look.title, this);
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);
    layout->addWidget(title);

    auto *header = new QGridLayout;
    reasonBox->addItems(look.reasons);
    for (int i = 0; i < look.header.size(); ++i)
        place(header, i / 3, i % 3, look.header.at(i).first, look.header.at(i).second);
    layout->addLayout(header);

    layout->addWidget(makeGrid(form), 1);

    auto *buttons = new QHBoxLayout;
    continueBox = new QCheckBox(look.continueCaption, this);
    continueBox->setChecked(true);
    clearButton = new QPushButton(look.clearCaption, this);
    buttons->addWidget(continueBox);
    buttons->addStretch(1);
    buttons->addWidget(look.saveButton);
    buttons->addWidget(clearButton);
    buttons->addWidget(look.closeButton);
    layout->addLayout(buttons);

    for (int i = 0; i + 1 < look.header.size(); ++i)
        m_keys->field(look.header.at(i).second);
    m_keys->route(look.header.last().second, [this] { return ScreenKit::Step::to(grid); });
    m_keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
    m_keys->field(continueBox, {}, ScreenKit::Walk::Aside);
    m_keys->button(look.saveButton, grid->committing([this] { onSave(); }));
    m_keys->button(clearButton, grid->committing([this] { m_form->clear(); }));
    m_keys->button(look.closeButton, [this] { reject(); });
    m_keys->startAt(look.start);
    QPushButton *saveButton = look.saveButton;
    connect(grid, &BillGrid::linesDone, this, [saveButton] { ScreenKit::focus(saveButton); });

    fitWidth(look.width);
}

void StockMoveScreen::opened()
{
    m_form->open();
    handledByEdit->setText(m_form->handledBy);
    billNumberEdit->setText(m_form->billNumber);
    reasonBox->setEditText(m_form->reason);
    dateEdit->setDate(m_form->date);
    showOwnHeader();
}

void StockMoveScreen::readHeader()
{
    m_form->billNumber = billNumberEdit->text();
    m_form->handledBy = handledByEdit->text();
    m_form->date = dateEdit->date();
    m_form->reason = reasonBox->currentText();
    m_form->continueAfterSave = continueBox->isChecked();
    readOwnHeader();
}

void StockMoveScreen::onSave()
{
    readHeader();
    const StockMoveForm::Outcome outcome = save();
    if (outcome == StockMoveForm::Outcome::Refused)
        return;
    billNumberEdit->setText(m_form->billNumber);
    if (outcome == StockMoveForm::Outcome::SavedClose) {
        accept();
        return;
    }
    // The next bill starts where the last one did.
    grid->home();
    ScreenKit::focus(grid);
}
