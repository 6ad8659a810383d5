#include "ui/lists/ListPage.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

ListPage::ListPage(AppContext &ctx, QWidget *parent) : QWidget(parent), m_keys(new ScreenKit(this, ctx.prompter))
{
}

ListScreen *ListPage::makeList(ListForm &form, const QList<QWidget *> &besideFind)
{
    list = new ListScreen(form, *m_keys, this, besideFind);
    searchBox = list->searchBox;
    searchModeBox = list->searchModeBox;
    findButton = list->findButton;
    sortBox = list->sortBox;
    grid = list->grid;
    setFocusProxy(list);
    return list;
}

int ListPage::currentRow() const
{
    return list->currentRow();
}
