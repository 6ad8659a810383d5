#pragma once

#include "forms/customers/CustomerBrowserForm.h"
#include "ui/lists/ListPage.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
class ReportLayout;

// "客户资料－…": the customers of the directory, all of them or one class, with the directory's
// searches, the remarks of the current one, its card and dealings, mail, and the customer list
// and mailing labels of the rows on screen. The grid's pop-up menu holds the same actions and
// "刷新".
//
// Keys: as every list (search text, mode box, "查询[&F]", grid; Enter or a double click on a row
// opens the card), then the remarks and the buttons; the menu key or Shift+F10 in the grid opens
// the pop-up menu.
class TForm_customer : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_customer(AppContext &ctx, QWidget *parent = nullptr);

    CustomerBrowserForm &form() { return m_form; }

    // Lists a class, or every customer for "客户资料", and names the window after it.
    void LoadClass(const QString &customerClass);

    QPlainTextEdit *remarksEdit;
    QPushButton *cardButton;     // "客户资料>>"
    QPushButton *dealingsButton; // "往来业务>>"
    QPushButton *mailButton;     // "邮件联系>>"
    QPushButton *labelsButton;   // "打印信签>>"
    QPushButton *listButton;     // "打印列表>>"
    QList<QAction *> menuActions; // the grid's pop-up menu

    void showCard();
    void showDealings();
    void mail();
    void printLabels();
    void printList();
    void refresh();
    // The grid's pop-up menu at the current row (the menu key, Shift+F10).
    void popupMenu();

    // The documents of the rows on screen, as the buttons preview them.
    ReportLayout listDocument() const;
    ReportLayout labelDocument() const;

private:
    void select(int row);

    AppContext &m_ctx;
    CustomerBrowserForm m_form;
};
