#pragma once

#include "forms/lists/ListForm.h"

// "浏览客户": the customers its opener names by their conditions (those registered today, this
// month …), read-only, in the directory's order, with the remarks of the current one.
class CustomerViewForm : public ListForm
{
public:
    CustomerViewForm(AppContext &ctx, std::vector<ListCondition> customers);

    static ListDeclaration declaration(std::vector<ListCondition> customers);
    QString remarks(int row) const;
};
