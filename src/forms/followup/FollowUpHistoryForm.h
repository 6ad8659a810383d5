#pragma once

#include "forms/followup/FollowUpDetails.h"
#include "forms/lists/ListForm.h"

struct AppContext;

// "历史回访": the closed follow-ups in the order of their visit day, and searches over every
// follow-up (planned and due ones too) by one of eight columns. Reads only.
class FollowUpHistoryForm : public ListForm
{
public:
    static inline const QString NotFoundMessage = QStringLiteral("无此客户，请重新输入查询！");

    explicit FollowUpHistoryForm(AppContext &ctx);

    static ListDeclaration declaration();

    // The visit of the row and its customer, read now.
    FollowUpDetails details(int row) const;

private:
    AppContext &m_ctx;
};
