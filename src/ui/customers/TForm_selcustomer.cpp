#include "ui/customers/TForm_selcustomer.h"

#include "ui/app/FormLayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
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
    FormLayout::caption(classBox, QStringLiteral("类别"));
    searchBox = new QLineEdit(this);
    FormLayout::caption(searchBox, QStringLiteral("查找"));
    findButton = new QPushButton(QStringLiteral("查找[&F]"), this);
    findButton->setAutoDefault(false);
    bar->addWidget(classBox);
    bar->addWidget(searchBox, 1);
    bar->addWidget(findButton);
    layout->addLayout(bar);
    layout->addWidget(new QLabel(QStringLiteral("*请输入客户名称、电话、单位、地址、联系人等信息进行查找。"), this));

    grid = new QTableView(this);
    grid->setModel(&m_form.list());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setToolTip(QStringLiteral("双击选定"));
    grid->installEventFilter(this);
    layout->addWidget(grid, 1);
    layout->addWidget(new QLabel(QStringLiteral("双击选定"), this));

    connect(findButton, &QPushButton::clicked, this, &TForm_selcustomer::onFind);
    connect(searchBox, &QLineEdit::returnPressed, this, &TForm_selcustomer::onFind);
    connect(grid, &QTableView::doubleClicked, this, &TForm_selcustomer::choose);
    connect(classBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (!m_filling)
            m_form.filterByClass(text);
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
    m_filling = true;
    classBox->clear();
    classBox->addItems(m_form.classChoices());
    classBox->setCurrentText(CustomerPickerForm::AllClasses);
    m_filling = false;
    m_form.filterByClass(classBox->currentText());
    searchBox->setFocus();
}

void TForm_selcustomer::onFind()
{
    if (m_form.search(searchBox->text())) {
        grid->setFocus();
        grid->selectRow(0);
    } else {
        searchBox->setFocus();
    }
}

void TForm_selcustomer::choose()
{
    const int row = grid->currentIndex().isValid() ? grid->currentIndex().row() : 0;
    m_chosen = m_form.customerAt(row);
    accept();
}

bool TForm_selcustomer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
