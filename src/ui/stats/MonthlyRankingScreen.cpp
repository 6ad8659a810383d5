#include "ui/stats/MonthlyRankingScreen.h"

#include "forms/stats/MonthlyRankingForm.h"
#include "ui/app/TForm_Importprocess.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

MonthlyRankingScreen::MonthlyRankingScreen(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent)
{
}

void MonthlyRankingScreen::build(MonthlyRankingForm &form, const QString &title, bool showsProgress,
                                 const QList<QPair<QString, QWidget *>> &besideMonth)
{
    m_form = &form;
    m_showsProgress = showsProgress;
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);

    panelLabel = new QLabel(this);
    panelLabel->setAlignment(Qt::AlignCenter);
    panelLabel->setFrameShape(QFrame::Panel);
    panelLabel->setFrameShadow(QFrame::Sunken);
    panelLabel->setMargin(6);
    QFont big = panelLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    panelLabel->setFont(big);
    layout->addWidget(panelLabel);

    auto *row = new QHBoxLayout;
    monthBox = new QSpinBox(this);
    monthBox->setRange(1, 12);
    monthBox->setKeyboardTracking(false); // a typed month counts once Enter or the focus leaves
    row->addWidget(ScreenKit::caption(monthBox, QStringLiteral("月份：")));
    row->addWidget(monthBox);
    for (const auto &[caption, input] : besideMonth) {
        row->addSpacing(12);
        row->addWidget(ScreenKit::caption(input, caption));
        row->addWidget(input);
    }
    row->addStretch(1);
    layout->addLayout(row);

    // The month box first: Enter computes the month typed (a refused month shows why again) and
    // goes on only when the box holds the month listed.
    m_keys->field(monthBox, [this] {
        {
            const QSignalBlocker quiet(monthBox);
            monthBox->interpretText();
        }
        if (monthBox->value() != m_form->month())
            compute(monthBox->value());
        return monthBox->value() == m_form->month();
    });
    for (const auto &beside : besideMonth)
        m_keys->field(beside.second);
    makeList(form);
    layout->addWidget(list, 1);
    m_keys->startAt(monthBox);
    m_keys->onError([this] { m_form->refresh(); });

    {
        const QSignalBlocker quiet(monthBox);
        monthBox->setValue(form.currentMonth());
    }
    compute(form.currentMonth());
    connect(monthBox, &QSpinBox::valueChanged, this, [this](int month) { compute(month); });
}

void MonthlyRankingScreen::recompute()
{
    compute(m_form->month() ? m_form->month() : monthBox->value());
}

void MonthlyRankingScreen::compute(int month)
{
    if (!m_showsProgress) {
        m_keys->run([&] { m_form->choose(month); });
    } else {
        // The progress window shows over the screen; the keys go back where they were after it.
        const QPointer<QWidget> active = QApplication::activeWindow();
        TForm_Importprocess progress(window());
        progress.setAttribute(Qt::WA_ShowWithoutActivating);
        progress.setRange(0, 100);
        progress.show();
        int shown = 0;
        m_keys->run([&] {
            m_form->choose(month, [&](qint64 done, qint64 total) {
                const int percent = total > 0 ? int(done * 100 / total) : 100;
                if (percent != shown)
                    progress.setValue(shown = percent);
            });
        });
        progress.close();
        if (active && QApplication::activeWindow() != active) {
            active->activateWindow();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    panelLabel->setText(m_form->caption());
}
