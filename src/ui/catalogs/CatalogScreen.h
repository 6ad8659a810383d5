#pragma once

#include "forms/catalogs/CatalogEditor.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The one screen of every list-and-panel catalog: a read-only grid, the declared panel, the
// directory search when declared, and the buttons "新建[&N]", "修改[&M]", "删除[&D]", "退出[&E]".
// Each TForm_ catalog screen is this widget with its declaration.
class CatalogScreen : public QDialog
{
    Q_OBJECT
public:
    CatalogScreen(AppContext &ctx, CatalogDeclaration decl, QWidget *parent = nullptr);

    CatalogEditor &editor() { return m_editor; }

    QTableView *grid = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exitButton = nullptr;
    QComboBox *searchMode = nullptr; // directory search (null when not declared)
    QLineEdit *searchBox = nullptr;
    QPushButton *searchButton = nullptr;

    // The panel input of a column (QLineEdit, QPlainTextEdit or QComboBox).
    QWidget *input(const ColumnRef &column) const { return m_inputs.value(column); }
    QLineEdit *lineEdit(const ColumnRef &column) const;
    QString inputText(const ColumnRef &column) const;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    // One more button in the bottom row.
    QPushButton *addButton(const QString &caption);

private:
    void onNew();
    void onChange();
    void onDelete();
    void onEnter(const ColumnRef &column);
    void onSearch();
    void onModeChosen();
    void onRowChosen();
    void focusOn(const ColumnRef &target);
    void refresh();
    void fillChoices();

    CatalogEditor m_editor;
    QHash<ColumnRef, QWidget *> m_inputs;
    class QHBoxLayout *m_buttonRow = nullptr;
    bool m_opened = false;
    bool m_filling = false;
};
