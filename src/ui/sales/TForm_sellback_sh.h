#pragma once

#include "forms/sales/ReturnQueryForm.h"
#include "ui/lists/ListPage.h"

class QPlainTextEdit;

// "退换查询": the returns and exchanges with their searches and the remarks memo.
class TForm_sellback_sh : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_sellback_sh(AppContext &ctx, QWidget *parent = nullptr);

    ReturnQueryForm &form() { return m_form; }

    QPlainTextEdit *remarksEdit;

private:
    ReturnQueryForm m_form;
};
