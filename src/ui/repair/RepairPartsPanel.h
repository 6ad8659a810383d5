#pragma once

#include "forms/repair/RepairPartEditor.h"

#include <QWidget>
#include <functional>
#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;
struct AppContext;

// The part lines of the current job with the editor "更换（增加）配件", shared by check and
// quotation and repair handling. The editor's boxes are read-only until "添加" or "修改" opens
// them; a key typed into them meanwhile says so. Enter walks number → name → price → quantity →
// SN, and Enter in SN presses the open button ("保存"); Ctrl+C in the number box presses "修改";
// the "..." button, or F4 in the number box, opens the part picker while the editor is open.
class RepairPartsPanel : public QWidget
{
    Q_OBJECT
public:
    RepairPartsPanel(AppContext &ctx, RepairPartEditor &editor, QWidget *parent);

    // Puts the grid, the boxes and the buttons, in this order, on the screen's keyboard list.
    void addTo(ScreenKit &keys);
    // Shows the job's lines (empty: none); an open editor closes.
    void showJob(const QString &number);

    QTableView *grid;
    QGroupBox *editorBox;
    QLineEdit *numberEdit, *nameEdit, *priceEdit, *quantityEdit, *serialEdit;
    QPushButton *pickButton, *addButton, *deleteButton, *modifyButton;

    // The part picker; the program's picker window unless replaced.
    std::function<std::optional<PartChoice>()> pickPart;

    void onAdd();
    void onModify();
    void onDelete();
    void onPick();

signals:
    // A line was added, changed or deleted: the job's fees changed.
    void partsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RepairPartEditor::Values typed() const;
    void showValues(const RepairPartEditor::Values &v);
    void applyMode();
    void after(RepairPartEditor::Outcome outcome);

    AppContext &m_ctx;
    RepairPartEditor &m_editor;
};
