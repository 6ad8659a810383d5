#include "ui/customers/TForm_selcustomer.h"

#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_selcustomer::TForm_selcustomer(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("请选择客户"));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    classBox = new QComboBox(this);
    classBox->addItem(CustomerPickerForm::AllClasses);
    searchBox = new QLineEdit(this);
    findButton = new QPushButton(QStringLiteral("查找[&F]"), this);
    bar->addWidget(ScreenKit::caption(classBox, QStringLiteral("类别：")));
    bar->addWidget(classBox);
    bar->addWidget(ScreenKit::caption(searchBox, QStringLiteral("查找：")));
    bar->addWidget(searchBox, 1);
    bar->addWidget(findButton);
    layout->addLayout(bar);
    layout->addWidget(new QLabel(QStringLiteral("*请输入客户名称、电话、单位、地址、联系人等信息进行查找。"), this));

    grid = new QTableView(this);
    grid->setModel(&m_form.list());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setToolTip(QStringLiteral("双击选定"));
    grid->setAccessibleName(QStringLiteral("客户"));
    GridLook::apply(grid);
    layout->addWidget(grid, 1);
    layout->addWidget(new QLabel(QStringLiteral("双击选定"), this));

    // The search box first: Enter finds (the grid takes the focus when someone was found);
    // Enter in the grid chooses the row.
    using Step = ScreenKit::Step;
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->route(searchBox, [this] {
        onFind();
        return Step::done();
    });
    m_keys->button(findButton, [this] { onFind(); }, ScreenKit::Walk::Aside);
    m_keys->field(classBox);
    m_keys->route(grid, [this] {
        choose();
        return Step::done();
    });
    connect(grid, &QTableView::doubleClicked, this, [this] { m_keys->run([this] { choose(); }); });
    connect(classBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (!m_filling)
            m_keys->run([=] { m_form.filterByClass(text); });
    });
    resize(640, 460);
}

std::optional<CustomerRecord> TForm_selcustomer::pick(AppContext &ctx, QWidget *parent)
{
    TForm_selcustomer dialog(ctx, parent);
    dialog.exec();
    return dialog.chosen();
}

void TForm_selcustomer::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_keys->run([this] {
        m_filling = true;
        classBox->clear();
        classBox->addItems(m_form.classChoices());
        classBox->setCurrentText(CustomerPickerForm::AllClasses);
        m_filling = false;
        m_form.filterByClass(classBox->currentText());
    });
    m_filling = false;
}

void TForm_selcustomer::onFind()
{
    if (m_form.search(searchBox->text())) {
        ScreenKit::focus(grid);
        grid->selectRow(0);
    } else {
        ScreenKit::focus(searchBox);
    }
}

void TForm_selcustomer::choose()
{
    const int row = grid->currentIndex().isValid() ? grid->currentIndex().row() : 0;
    m_chosen = m_form.customerAt(row);
    accept();
}
