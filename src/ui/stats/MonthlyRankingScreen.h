#pragma once

#include "ui/lists/ListPage.h"

class MonthlyRankingForm;
class QLabel;
class QSpinBox;

// A monthly ranking: the panel caption naming the month listed, the month box (1 to 12) and the
// ranking's grid. Opening it computes the current month; a month chosen in the box (typed and
// Enter, or stepped with the arrow keys) is computed and listed, or refused with "月份无效！"
// when it lies after the current month (what is listed stays). Rankings that show progress do it
// in the progress window.
//
// Keys: the focus starts in the month box; Enter computes its month and goes on (a refused month
// keeps the focus); the screen's own choices follow, then the grid.
class MonthlyRankingScreen : public ListPage
{
    Q_OBJECT
public:
    QLabel *panelLabel = nullptr;
    QSpinBox *monthBox = nullptr;

protected:
    MonthlyRankingScreen(AppContext &ctx, QWidget *parent);

    // Called once from the screen's constructor when its form exists. besideMonth: the screen's
    // own inputs after the month box with their captions (the order of the technician ranking).
    void build(MonthlyRankingForm &form, const QString &title, bool showsProgress,
               const QList<QPair<QString, QWidget *>> &besideMonth = {});
    // Computes the month listed again (a changed order).
    void recompute();

private:
    void compute(int month);

    MonthlyRankingForm *m_form = nullptr;
    bool m_showsProgress = false;
};
