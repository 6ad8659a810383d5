#pragma once

#include "core/followup/FollowUpVisit.h"
#include "forms/followup/PendingVisitsForm.h"
#include "ui/lists/ListPage.h"

#include <QHash>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class RepairPartList;

// "客户回访": the visits due (refreshed as the screen opens, behind the please-wait window), the
// visit panel where the operator records the call, the customer and the repair of the current
// visit, and finishing or cancelling it.
//
// Keys: the focus starts in the list; Tab goes on to the visit panel, where Enter walks the
// form, the staff member, the person spoken to and the satisfaction to "完成回访" (the opinion
// is a memo, reached with Tab). Enter or a double click in the list opens a repair's details.
class TForm_BackSee : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_BackSee(AppContext &ctx, QWidget *parent = nullptr);

    PendingVisitsForm &form() { return m_form; }

    QComboBox *formBox;
    QComboBox *staffBox;
    QLineEdit *visitedEdit;
    QComboBox *satisfactionBox;
    QPlainTextEdit *opinionEdit;
    QPushButton *finishButton;
    QPushButton *cancelButton;
    QLineEdit *customerNameEdit;
    QTabWidget *businessTabs;
    QCheckBox *dispatchedBox;
    QCheckBox *warrantyBox;
    QTableView *partsGrid;
    QPlainTextEdit *summaryEdit;
    QPlainTextEdit *remarksEdit;

    // What a read-only field shows: page "客户信息" or a business tab, and its caption.
    QString shown(const QString &page, const QString &caption) const;

    void onFinish();
    void onCancel();
    void openDetail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildVisitPanel();
    QWidget *buildCustomerPanel();
    QWidget *buildBusinessTabs();
    QLineEdit *addShown(QGridLayout *grid, const QString &page, const QString &caption, int row, int column);
    void setShown(const QString &page, const QString &caption, const QString &text);
    void showRow(int row);
    void leaveRow();
    void saveRemarks();
    void afterClosing(PendingVisitsForm::Outcome outcome);
    FollowUpNotes panelNotes() const;

    AppContext &m_ctx;
    PendingVisitsForm m_form;
    QHash<QString, QLineEdit *> m_shown; // page + "/" + caption
    int m_row = -1;
    FollowUpNotes m_shownNotes;
    bool m_hasRepair = false;
    QString m_shownRemarks;
    RepairPartList *m_partLines = nullptr;
};
