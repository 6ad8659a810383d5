#include "ui/catalogs/TForm_fittings.h"

#include "forms/app/AppContext.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
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
    searchBox = new QLineEdit(this);
    findButton = new QPushButton(QStringLiteral("查找[&S]"), this);
    bar->addWidget(ScreenKit::caption(categoryBox, QStringLiteral("类别：")));
    bar->addWidget(categoryBox);
    bar->addWidget(ScreenKit::caption(searchBox, QStringLiteral("查找：")));
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
    grid->setAccessibleName(QStringLiteral("配件"));
    GridLook::apply(grid);
    layout->addWidget(grid, 1);

    // The search box first: Enter finds (the grid takes the focus when something was found);
    // Enter in the grid chooses the row.
    using Step = ScreenKit::Step;
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->route(searchBox, [this] {
        onFind();
        return Step::done();
    });
    m_keys->button(findButton, [this] { onFind(); }, ScreenKit::Walk::Aside);
    m_keys->field(categoryBox);
    m_keys->route(grid, [this] {
        chooseRow(grid->currentIndex().isValid() ? grid->currentIndex().row() : -1);
        return Step::done();
    });
    connect(grid, &QTableView::clicked, this, [this](const QModelIndex &index) {
        m_keys->run([=] { chooseRow(index.row()); });
    });
    connect(categoryBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_keys->run([=] { m_form.showCategory(text); });
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
    m_keys->run([this] {
        const QSignalBlocker quiet(categoryBox);
        categoryBox->clear();
        categoryBox->addItems(m_form.categories());
        categoryBox->setCurrentText(PartsPickerForm::All);
        m_form.showCategory(categoryBox->currentText());
    });
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
        ScreenKit::focus(grid);
        grid->setCurrentIndex(m_model->index(0, 0));
    } else {
        ScreenKit::focus(searchBox);
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
