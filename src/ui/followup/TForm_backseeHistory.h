#pragma once

#include "forms/followup/FollowUpHistoryForm.h"
#include "ui/lists/ListPage.h"

#include <QHash>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// "历史回访": the closed follow-ups with their searches, and the current one's visit, customer and
// business on three read-only tabs. Keys as on every list: the focus starts in the search text.
class TForm_backseeHistory : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_backseeHistory(AppContext &ctx, QWidget *parent = nullptr);

    FollowUpHistoryForm &form() { return m_form; }

    QTabWidget *detailTabs;
    QPlainTextEdit *opinionEdit;

    // What a field of a tab shows ("回访情况", "客户情况", "业务信息"; its caption).
    QString shown(const QString &tab, const QString &caption) const;

private:
    void showRow(int row);
    void setShown(const QString &tab, const QString &caption, const QString &text);

    FollowUpHistoryForm m_form;
    QHash<QString, QLineEdit *> m_shown;
};
