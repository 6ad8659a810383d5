#pragma once

#include "forms/followup/FollowUpHistoryForm.h"

#include <QHash>
#include <QWidget>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
struct AppContext;

// "历史回访": the closed follow-ups with their searches, and the current one's visit, customer and
// business on three read-only tabs. Keys as on every list: the focus starts in the search text.
class TForm_backseeHistory : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_backseeHistory(AppContext &ctx, QWidget *parent = nullptr);

    FollowUpHistoryForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
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
