#pragma once

#include "forms/maintenance/DatabaseBrowserForm.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QTableView;
class ScreenKit;

// "后台数据库": the table list on the left, the chosen table's rows in an editing grid, and the
// buttons below it.
class TForm_DB : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_DB(AppContext &ctx, QWidget *parent = nullptr);

    QListWidget *tables = nullptr;
    QTableView *grid = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *exportButton = nullptr;

    DatabaseBrowserForm &form() { return m_form; }

public slots:
    // The close box and Esc: the batch is dropped.
    void reject() override;

private:
    void showGrid();
    void endEdit();
    void onEntryChosen(int entry);
    void onAdd();
    void onChange();
    void onDelete();
    void onExport();

    AppContext &m_ctx;
    DatabaseBrowserForm m_form;
    ScreenKit *m_keys = nullptr;
};
