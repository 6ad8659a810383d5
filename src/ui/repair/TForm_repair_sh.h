#pragma once

#include "forms/repair/RepairQueryForm.h"

#include <QWidget>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
struct AppContext;

// "维修查询": the job list in one of the seven modes, with searching, sorting, the remarks memo
// and the detail window.
class TForm_repair_sh : public QWidget
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the operator's own jobs only).
    TForm_repair_sh(AppContext &ctx, RightsTable::Access access, const QString &mode, const QDate &day = QDate(),
                    QWidget *parent = nullptr);

    RepairQueryForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QComboBox *sortBox;
    QTableView *grid;
    QPlainTextEdit *remarksEdit;
    QPushButton *detailButton;

    void openDetail();
    int currentRow() const;

private:
    void showRemarks(int row);
    void saveRemarks();

    AppContext &m_ctx;
    RepairQueryForm m_form;
    int m_remarksRow = -1;
};
