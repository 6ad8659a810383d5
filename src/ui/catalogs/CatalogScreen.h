#pragma once

#include "forms/catalogs/CatalogEditor.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;

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
    // One more button in the bottom row; its action runs through the screen's keys.
    QPushButton *addButton(const QString &caption, const std::function<void()> &action);
    ScreenKit &keys() { return *m_keys; }

private:
    void onNew();
    void onChange();
    void onDelete();
    void onSearch();
    void onModeChosen();
    void onRowChosen();
    // The widget an editor's focus target names (a column, the action button, the search box).
    QWidget *target(const ColumnRef &name) const;
    void focusOn(const ColumnRef &name);
    void refresh();
    void fillChoices();

    CatalogEditor m_editor;
    ScreenKit *m_keys = nullptr;
    QHash<ColumnRef, QWidget *> m_inputs;
    class QHBoxLayout *m_buttonRow = nullptr;
    bool m_opened = false;
    bool m_filling = false;
};
