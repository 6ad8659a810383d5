#include "ui/lists/PickerScreen.h"

#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/lists/PickerForm.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

PickerScreen::PickerScreen(AppContext &ctx, std::unique_ptr<PickerForm> form, QWidget *parent)
    : QDialog(parent), m_form(std::move(form))
{
    const PickerDeclaration &d = m_form->declaration();
    setWindowTitle(d.caption);
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    if (d.classColumn.isValid()) {
        classBox = new QComboBox(this);
        classBox->setEditable(d.classTyped);
        classBox->addItem(d.allClasses);
        bar->addWidget(ScreenKit::caption(classBox, QStringLiteral("类别：")));
        bar->addWidget(classBox);
    }
    if (!d.searchColumns.isEmpty()) {
        searchBox = new QLineEdit(this);
        findButton = new QPushButton(d.findCaption, this);
        bar->addWidget(ScreenKit::caption(searchBox, QStringLiteral("查找：")));
        bar->addWidget(searchBox, 1);
        bar->addWidget(findButton);
    }
    if (bar->count() > 0)
        layout->addLayout(bar);
    else
        delete bar;
    if (!d.hint.isEmpty())
        layout->addWidget(new QLabel(d.hint, this));

    grid = ListPage::readOnlyList(&m_form->model(), d.name, this);
    grid->setToolTip(QStringLiteral("双击选定"));
    layout->addWidget(grid, 1);
    layout->addWidget(new QLabel(QStringLiteral("双击选定"), this));

    using Step = ScreenKit::Step;
    m_keys = new ScreenKit(this, ctx.prompter);
    if (searchBox) {
        m_keys->route(searchBox, [this] {
            onFind();
            return Step::done();
        });
        m_keys->button(findButton, [this] { onFind(); }, ScreenKit::Walk::Aside);
    }
    if (classBox) {
        m_keys->field(classBox);
        connect(classBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
            m_keys->run([this, text] { m_form->showClass(text); });
        });
    }
    m_keys->route(grid, [this] {
        chooseCurrent();
        return Step::done();
    });
    connect(grid, d.clickChooses ? &QTableView::clicked : &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { m_keys->run([this, row = index.row()] { chooseRow(row); }); });
    // The first row of every new list is the current one.
    connect(&m_form->model(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_form->rowCount() > 0)
            grid->selectRow(0);
    });
    resize(640, 460);
}

PickerScreen::~PickerScreen() = default;

void PickerScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_keys->run([this] {
        const QString all = m_form->declaration().allClasses;
        if (classBox) {
            const QSignalBlocker quiet(classBox);
            classBox->clear();
            classBox->addItems(m_form->classChoices());
            classBox->setCurrentText(all);
        }
        m_form->showClass(all);
    });
}

void PickerScreen::onFind()
{
    if (m_form->search(searchBox->text())) {
        ScreenKit::focus(grid);
        grid->selectRow(0);
    } else {
        ScreenKit::focus(searchBox);
    }
}

void PickerScreen::chooseCurrent()
{
    const QModelIndex current = grid->currentIndex();
    chooseRow(current.isValid() ? current.row() : (m_form->rowCount() > 0 ? 0 : -1));
}

void PickerScreen::chooseRow(int row)
{
    if (row < 0 || row >= m_form->rowCount()) {
        if (m_form->declaration().emptyChoiceCloses && m_form->rowCount() == 0)
            accept();
        return;
    }
    take(row);
    accept();
}
