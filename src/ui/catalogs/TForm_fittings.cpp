#include "ui/catalogs/TForm_fittings.h"

#include "ui/app/FormLayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractTableModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The picker's list as a model over the form's rows, so a catalog of tens of thousands of parts
// shows at once.
class PartsModel : public QAbstractTableModel
{
public:
    explicit PartsModel(const PartsPickerForm &form, QObject *parent) : QAbstractTableModel(parent), m_form(form) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_form.parts().size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const PartRecord &p = m_form.parts().at(index.row());
        switch (index.column()) {
        case 0: return p.partNo;
        case 1: return p.name;
        case 2: return p.model;
        case 3: return p.category;
        case 4: return p.unit;
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const QStringList headers = {QStringLiteral("配件编号"), QStringLiteral("配件名称"), QStringLiteral("规格"),
                                            QStringLiteral("类别"), QStringLiteral("单位")};
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
            return headers.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    void reload() { beginResetModel(); endResetModel(); }

private:
    const PartsPickerForm &m_form;
};
} // namespace

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

    grid = new QTableView(this);
    m_model = new PartsModel(m_form, this);
    grid->setModel(m_model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setToolTip(QStringLiteral("双击选定"));
    grid->installEventFilter(this);
    layout->addWidget(grid, 1);

    connect(findButton, &QPushButton::clicked, this, &TForm_fittings::onFind);
    connect(searchBox, &QLineEdit::returnPressed, this, &TForm_fittings::onFind);
    connect(grid, &QTableView::clicked, this, [this](const QModelIndex &index) { chooseRow(index.row()); });
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
    // Opened from a bill line, the clerk types what to look for: number or name.
    searchBox->setFocus();
}

void TForm_fittings::fillGrid()
{
    static_cast<PartsModel *>(m_model)->reload();
}

void TForm_fittings::onFind()
{
    const bool found = m_form.search(searchBox->text());
    fillGrid();
    if (found) {
        grid->setFocus();
        grid->setCurrentIndex(m_model->index(0, 0));
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
            chooseRow(grid->currentIndex().isValid() ? grid->currentIndex().row() : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
