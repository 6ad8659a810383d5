#include "ui/repair/RepairPartsPanel.h"

#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/kit/GridLook.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

RepairPartsPanel::RepairPartsPanel(AppContext &ctx, RepairPartEditor &editor, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_editor(editor)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid = new QTableView(this);
    grid->setModel(&editor.lines());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(22);
    GridLook::apply(grid, {2, 4}); // "单价" and "合计"
    grid->setAccessibleName(QStringLiteral("更换配件"));
    layout->addWidget(grid, 1);

    editorBox = new QGroupBox(QStringLiteral("更换（增加）配件"), this);
    auto *g = new QGridLayout(editorBox);
    numberEdit = new QLineEdit(editorBox);
    pickButton = new QPushButton(QStringLiteral("..."), editorBox);
    pickButton->setToolTip(QStringLiteral("点击选择配件"));
    pickButton->setFixedWidth(28);
    nameEdit = new QLineEdit(editorBox);
    priceEdit = new QLineEdit(editorBox);
    quantityEdit = new QLineEdit(editorBox);
    serialEdit = new QLineEdit(editorBox);
    serialEdit->setToolTip(QStringLiteral("多个SN用逗号隔开。"));
    serialEdit->setPlaceholderText(QStringLiteral("多个SN用逗号隔开。"));
    int r = 0;
    g->addWidget(ScreenKit::caption(numberEdit, QStringLiteral("编号：")), r, 0);
    g->addWidget(numberEdit, r, 1);
    g->addWidget(pickButton, r++, 2);
    for (const auto &[edit, caption] : {std::pair{nameEdit, "名称："}, std::pair{priceEdit, "单价："},
                                        std::pair{quantityEdit, "数目："}, std::pair{serialEdit, "SN："}}) {
        g->addWidget(ScreenKit::caption(edit, QString::fromUtf8(caption)), r, 0);
        g->addWidget(edit, r++, 1, 1, 2);
    }
    auto *buttons = new QHBoxLayout;
    addButton = new QPushButton(RepairPartEditor::AddCaption, editorBox);
    deleteButton = new QPushButton(QStringLiteral("删除"), editorBox);
    modifyButton = new QPushButton(RepairPartEditor::ModifyCaption, editorBox);
    buttons->addWidget(addButton);
    buttons->addWidget(deleteButton);
    buttons->addWidget(modifyButton);
    g->addLayout(buttons, r, 0, 1, 3);
    layout->addWidget(editorBox);

    pickPart = [this] { return TForm_fittings::choose(m_ctx, window()); };

    for (QLineEdit *e : {numberEdit, nameEdit, priceEdit, quantityEdit})
        e->installEventFilter(this);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        m_editor.setCurrentLine(i.isValid() ? i.row() : -1);
        if (!m_editor.isOpen())
            showValues(m_editor.values());
    });
    applyMode();
}

void RepairPartsPanel::addTo(ScreenKit &keys)
{
    using Step = ScreenKit::Step;
    keys.field(grid, {}, ScreenKit::Walk::Aside);
    keys.field(numberEdit);
    keys.button(pickButton, [this] { onPick(); }, ScreenKit::Walk::Aside);
    keys.field(nameEdit);
    keys.field(priceEdit);
    keys.field(quantityEdit);
    keys.route(serialEdit, [this] {
        QPushButton *open = m_editor.mode() == RepairPartEditor::Mode::Modifying ? modifyButton : addButton;
        return Step::press(open);
    });
    keys.button(addButton, [this] { onAdd(); });
    keys.button(deleteButton, [this] { onDelete(); });
    keys.button(modifyButton, [this] { onModify(); });
}

void RepairPartsPanel::showJob(const QString &number)
{
    m_editor.setJob(number);
    if (m_editor.lineCount() > 0)
        grid->selectRow(0);
    showValues(m_editor.values());
    applyMode();
}

RepairPartEditor::Values RepairPartsPanel::typed() const
{
    return {numberEdit->text(), nameEdit->text(), priceEdit->text(), quantityEdit->text(), serialEdit->text()};
}

void RepairPartsPanel::showValues(const RepairPartEditor::Values &v)
{
    numberEdit->setText(v.partNo);
    nameEdit->setText(v.name);
    priceEdit->setText(v.price);
    quantityEdit->setText(v.quantity);
    serialEdit->setText(v.serial);
}

void RepairPartsPanel::applyMode()
{
    const bool open = m_editor.isOpen();
    for (QLineEdit *e : {numberEdit, nameEdit, priceEdit, quantityEdit, serialEdit})
        e->setReadOnly(!open);
    pickButton->setEnabled(open);
    addButton->setText(m_editor.addCaption());
    modifyButton->setText(m_editor.modifyCaption());
    // While one of them saves, the others wait.
    addButton->setEnabled(m_editor.mode() != RepairPartEditor::Mode::Modifying);
    modifyButton->setEnabled(m_editor.mode() != RepairPartEditor::Mode::Adding);
    deleteButton->setEnabled(!open);
}

void RepairPartsPanel::after(RepairPartEditor::Outcome outcome)
{
    using O = RepairPartEditor::Outcome;
    applyMode();
    switch (outcome) {
    case O::Nothing:
        break;
    case O::Opened:
        showValues(m_editor.values());
        ScreenKit::focus(numberEdit);
        break;
    case O::Refused: {
        using B = RepairPartEditor::Box;
        const B box = m_editor.refusedBox();
        QLineEdit *e = box == B::Name ? nameEdit : box == B::Price ? priceEdit : box == B::Quantity ? quantityEdit : numberEdit;
        ScreenKit::focus(e);
        e->selectAll();
        break;
    }
    case O::Saved:
        if (m_editor.currentLine() >= 0)
            grid->selectRow(m_editor.currentLine());
        showValues(m_editor.values());
        emit partsChanged();
        break;
    }
}

void RepairPartsPanel::onAdd()
{
    after(m_editor.add(typed()));
}

void RepairPartsPanel::onModify()
{
    after(m_editor.modify(typed()));
}

void RepairPartsPanel::onDelete()
{
    after(m_editor.remove());
}

void RepairPartsPanel::onPick()
{
    if (!m_editor.isOpen() || !pickPart)
        return;
    const std::optional<PartChoice> part = pickPart();
    if (!part || part->partNo.isEmpty())
        return;
    showValues(m_editor.picked(typed(), *part));
    ScreenKit::focus(m_editor.priceFound() ? serialEdit : priceEdit);
}

bool RepairPartsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == numberEdit && key->key() == Qt::Key_C && key->modifiers() == Qt::ControlModifier) {
        modifyButton->click(); // Ctrl+C: modify the current line, or save it
        return true;
    }
    if (watched == numberEdit && key->key() == Qt::Key_F4 && m_editor.isOpen()) {
        pickButton->click();
        return true;
    }
    const QString text = key->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && !m_editor.isOpen()) {
        m_ctx.prompt().warning(RepairPartEditor::ReadOnlyMessage);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
