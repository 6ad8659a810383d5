#include "ui/catalogs/TForm_fittings.h"

#include "ui/app/FormLayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TForm_fittings::TForm_fittings(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("请选择配件"));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    categoryBox = new QComboBox(this);
    categoryBox->setEditable(true);
    FormLayout::caption(categoryBox, QStringLiteral("类别"));
    searchBox = new QLineEdit(this);
    FormLayout::caption(searchBox, QStringLiteral("查找"));
    findButton = new QPushButton(QStringLiteral("查找[&S]"), this);
    findButton->setAutoDefault(false);
    bar->addWidget(new QLabel(QStringLiteral("类别："), this));
    bar->addWidget(categoryBox);
    bar->addWidget(searchBox, 1);
    bar->addWidget(findButton);
    layout->addLayout(bar);

    grid = new QTableWidget(0, 5, this);
    grid->setHorizontalHeaderLabels({QStringLiteral("配件编号"), QStringLiteral("配件名称"), QStringLiteral("规格"),
                                     QStringLiteral("类别"), QStringLiteral("单位")});
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setToolTip(QStringLiteral("双击选定"));
    grid->installEventFilter(this);
    layout->addWidget(grid, 1);

    connect(findButton, &QPushButton::clicked, this, &TForm_fittings::onFind);
    connect(searchBox, &QLineEdit::returnPressed, this, &TForm_fittings::onFind);
    connect(grid, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(categoryBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (m_filling)
            return;
        m_form.showCategory(text);
        fillGrid();
    });
    resize(560, 420);
}

std::optional<PartChoice> TForm_fittings::choose(AppContext &ctx, QWidget *parent)
{
    TForm_fittings dialog(ctx, parent);
    dialog.exec();
    return dialog.chosen();
}

void TForm_fittings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_filling = true;
    categoryBox->clear();
    categoryBox->addItems(m_form.categories());
    categoryBox->setCurrentText(PartsPickerForm::All);
    m_filling = false;
    m_form.showCategory(categoryBox->currentText());
    fillGrid();
}

void TForm_fittings::fillGrid()
{
    const QList<PartRecord> &parts = m_form.parts();
    grid->setUpdatesEnabled(false);
    grid->clearContents();
    grid->setRowCount(int(parts.size()));
    for (int r = 0; r < parts.size(); ++r) {
        const PartRecord &p = parts.at(r);
        const QString cells[] = {p.partNo, p.name, p.spec, p.category, p.unit};
        for (int c = 0; c < 5; ++c)
            grid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    grid->setUpdatesEnabled(true);
}

void TForm_fittings::onFind()
{
    const bool found = m_form.search(searchBox->text());
    fillGrid();
    if (found) {
        grid->setFocus();
        grid->setCurrentCell(0, 0);
    } else {
        searchBox->setFocus();
    }
}

void TForm_fittings::chooseRow(int row)
{
    const auto choice = m_form.choose(row);
    if (!choice)
        return;
    m_chosen = choice;
    accept();
}

bool TForm_fittings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseRow(grid->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
