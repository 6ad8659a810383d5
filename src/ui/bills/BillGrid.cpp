#include "ui/bills/BillGrid.h"

#include "ui/bills/BillCellDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

using Role = BillColumn::Role;

BillGrid::BillGrid(BillLineModel *lines, QWidget *parent) : QTableView(parent), m_lines(lines)
{
    m_partNoColumn = lines->column(Role::PartNo);
    // Made before the model is set: setting it moves the current cell, which places the button.
    m_pickButton = new QToolButton(viewport());
    m_pickButton->setText(QStringLiteral("..."));
    m_pickButton->setToolTip(QStringLiteral("点击选择配件（F4）"));
    m_pickButton->setFocusPolicy(Qt::StrongFocus);
    m_pickButton->hide();
    connect(m_pickButton, &QToolButton::clicked, this, &BillGrid::pick);
    setModel(lines);
    m_delegate = new BillCellDelegate(this);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing starts an editor over the cell; moving on does not, so Enter walks from cell to cell.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    // Tab leaves the grid for the screen's next field; Enter and the arrows move inside it.
    setTabKeyNavigation(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    sizeColumns();

    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    f4->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f4, &QShortcut::activated, this, [this] {
        if (currentIndex().isValid() && currentIndex().column() == m_partNoColumn)
            pick();
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &BillGrid::placePickButton);
}

void BillGrid::sizeColumns()
{
    const QFontMetrics fm(font());
    const QFontMetrics headerFm(horizontalHeader()->font());
    const auto &columns = m_lines->declaration().columns;
    for (int c = 0; c < columns.size(); ++c) {
        const int byText = fm.averageCharWidth() * columns.at(c).width + 8;
        const int byHeader = headerFm.horizontalAdvance(columns.at(c).header) + 16;
        setColumnWidth(c, std::max(byText, byHeader));
    }
}

QSize BillGrid::sizeHint() const
{
    // Wide enough for every column and tall enough for every line, so a screen sized to its
    // contents shows the whole bill without scrolling.
    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model()->columnCount(); ++c)
        width += columnWidth(c);
    const int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth()
                       + verticalHeader()->defaultSectionSize() * model()->rowCount();
    return {width, height};
}

void BillGrid::home()
{
    setCurrentIndex(model()->index(0, std::max(0, m_partNoColumn)));
}

void BillGrid::commitEdit()
{
    if (state() == QAbstractItemView::EditingState)
        m_delegate->commitAndClose();
}

std::function<void()> BillGrid::committing(std::function<void()> action)
{
    return [this, action = std::move(action)] {
        commitEdit();
        action();
    };
}

void BillGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        advance();
        return;
    }
    QTableView::keyPressEvent(event);
}

void BillGrid::advance()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        home();
        return;
    }
    const int line = current.row();
    if (current.column() == m_partNoColumn && m_lines->hasNoPart(line)) {
        emit linesDone();
        return;
    }
    for (int c = current.column() + 1; c < model()->columnCount(); ++c) {
        const QModelIndex next = model()->index(line, c);
        if (next.flags() & Qt::ItemIsEditable) {
            setCurrentIndex(next);
            return;
        }
    }
    if (line + 1 >= model()->rowCount()) {
        emit linesDone();
        return;
    }
    setCurrentIndex(model()->index(line + 1, std::max(0, m_partNoColumn)));
}

void BillGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && current.column() == m_partNoColumn) {
        m_pickLine = current.row();
        placePickButton();
    } else {
        m_pickButton->hide();
    }
}

void BillGrid::placePickButton()
{
    if (m_pickLine < 0 || currentIndex().column() != m_partNoColumn)
        return;
    const QRect cell = visualRect(model()->index(m_pickLine, m_partNoColumn));
    const int w = cell.height();
    m_pickButton->setGeometry(cell.right() - w + 1, cell.top(), w, cell.height());
    m_pickButton->show();
    m_pickButton->raise();
}

void BillGrid::pick()
{
    commitEdit();
    if (m_pickLine < 0 || !pickPart)
        return;
    const int line = m_pickLine;
    const std::optional<PartChoice> choice = pickPart();
    // Back from the picker window: the bill takes the keyboard again, whatever the window manager does.
    window()->activateWindow();
    setFocus();
    if (!choice || choice->partNo.isEmpty())
        return;
    m_lines->fill(line, *choice);
    // The part is in; what the operator types next is how many.
    const int quantity = m_lines->column(Role::Quantity);
    setCurrentIndex(model()->index(line, quantity >= 0 ? quantity : m_partNoColumn));
}
