#pragma once

#include "forms/catalogs/NameListEditor.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class ScreenKit;

// The one screen of every name-list catalog: a read-only one-column grid and the buttons
// "新建[&N]", "修改[&M]", "删除[&D]", "退出[&E]", each change asked for in an input box.
class NameListScreen : public QDialog
{
    Q_OBJECT
public:
    NameListScreen(AppContext &ctx, CatalogDeclaration decl, QWidget *parent = nullptr);

    NameListEditor &editor() { return m_editor; }

    QTableView *grid = nullptr;
    QLabel *uniqueLabel = nullptr; // "类别名称不允许重复", when declared
    QPushButton *newButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exitButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void selectCurrent();

    NameListEditor m_editor;
    ScreenKit *m_keys = nullptr;
    bool m_opened = false;
};
