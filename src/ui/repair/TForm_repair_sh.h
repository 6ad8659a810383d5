#pragma once

#include "forms/repair/RepairQueryForm.h"
#include "ui/lists/ListPage.h"

class QPlainTextEdit;
class QPushButton;
class RemarksMemo;

// "维修查询": the job list in one of the seven modes, with searching, sorting, the remarks memo
// and the detail window.
class TForm_repair_sh : public ListPage
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the operator's own jobs only).
    TForm_repair_sh(AppContext &ctx, RightsTable::Access access, const QString &mode, const QDate &day = QDate(),
                    QWidget *parent = nullptr);

    RepairQueryForm &form() { return m_form; }

    QPlainTextEdit *remarksEdit;
    QPushButton *detailButton;

    void openDetail();

private:
    AppContext &m_ctx;
    RepairQueryForm m_form;
    RemarksMemo *m_remarks;
};
