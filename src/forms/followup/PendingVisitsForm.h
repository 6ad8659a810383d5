#pragma once

#include "core/followup/FollowUpVisit.h"
#include "forms/followup/FollowUpDetails.h"
#include "forms/lists/ListForm.h"

#include <QHash>
#include <QStringList>

struct AppContext;

// "客户回访": the visits due, refreshed each time the screen opens, and what the operator does with
// them. The list is the one taken at opening: a visit finished or cancelled here stays on it,
// with its new state, until the screen opens again.
class PendingVisitsForm : public ListForm
{
public:
    static inline const QString FinishQuestion = QStringLiteral("确认完成回访吗？");
    static inline const QString CancelQuestion = QStringLiteral("回访取消后将不能恢复，是否继续?");
    static inline const QString DeclinedMessage = QStringLiteral("操作被取消！");
    static inline const QString AlreadyFinishedMessage = QStringLiteral("该回访已经完成，操作被取消！");
    static inline const QString AlreadyCancelledMessage = QStringLiteral("该回访已经取消，操作被取消！");
    static inline const QString GoneMessage = QStringLiteral("该回访已不存在，操作被取消！");
    static inline const QStringList Forms{QStringLiteral("电话回访"), QStringLiteral("上门回访"),
                                          QStringLiteral("邮件回访"), QStringLiteral("传真回访")};
    static inline const QStringList Satisfactions{QStringLiteral("很满意"), QStringLiteral("比较满意"),
                                                  QStringLiteral("不满意"), QStringLiteral("很不满意")};

    explicit PendingVisitsForm(AppContext &ctx);

    static ListDeclaration declaration();

    // Opening: the staff names, the refresh (settings read as stored, the moment from the
    // context), then the due visits. Throws DbError: nothing of the refresh is written and the
    // list is not filled.
    void open();
    const QStringList &staffNames() const { return m_staff; }

    // The state of a listed visit: due, or what this screen made of it since.
    QString state(int row) const;
    bool isRepair(int row) const;
    QString customerName(int row) const;
    QString number(int row) const;

    // What the screen shows for the row, read now.
    FollowUpDetails details(int row) const;
    // The notes the visit panel starts with: the stored ones, the staff member proposed as the
    // first of the staff list while none is stored.
    FollowUpNotes shownNotes(const FollowUpDetails &details) const;
    // The panel's notes written to the row (selecting another row).
    void saveNotes(int row, const FollowUpNotes &notes);
    // The repair's remark ("备注") written when it changed; nothing for a sale.
    void saveRepairRemarks(int row, const QString &remarks);

    enum class Outcome {
        Nothing,  // empty list
        Declined, // answered No: "操作被取消！"
        Refused,  // the stored visit is already in that state (or gone): its message, nothing written
        Done,
    };
    // "完成回访" and "取消回访": asked first, then the stored state decides; the notes and the new
    // state land together, with today as the visit day.
    Outcome finish(int row, const FollowUpNotes &notes);
    Outcome cancel(int row, const FollowUpNotes &notes);

private:
    Outcome close(int row, const FollowUpNotes &notes, const QString &state, bool asked, const QString &already);

    AppContext &m_ctx;
    QStringList m_staff;
    QHash<qint64, QString> m_states; // key -> state left by this screen
};
