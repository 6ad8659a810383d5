#include "ui/stats/TForm_sta.h"

#include "forms/app/AppContext.h"
#include "print/stats/TForm_curInfo.h"
#include "ui/app/TForm_waiting.h"
#include "ui/kit/ScreenKit.h"
#include "ui/print/TForm_Preview.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QStringList texts(const QList<QLabel *> &labels)
{
    QStringList out;
    for (const QLabel *l : labels)
        out << l->text();
    return out;
}
} // namespace

TForm_sta::TForm_sta(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("统计分析"));
    auto *keys = new ScreenKit(this, ctx.prompter);
    {
        const TForm_waiting::During waiting;
        keys->run([this] { m_form.load(); });
    }

    auto *layout = new QVBoxLayout(this);
    dateLabel = new QLabel(m_form.dateCaption(), this);
    dateLabel->setFrameShape(QFrame::Panel);
    dateLabel->setFrameShadow(QFrame::Sunken);
    dateLabel->setMargin(6);
    layout->addWidget(dateLabel);

    auto period = [&](const QString &caption, const BusinessFigures &figures, QList<QLabel *> &labels) {
        auto *box = new QGroupBox(caption, this);
        auto *grid = new QGridLayout(box);
        const QStringList shown = CurrentSituationForm::texts(figures);
        for (int i = 0; i < shown.size(); ++i) {
            auto *label = new QLabel(shown[i], box);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label, i / 3, i % 3);
            labels << label;
        }
        layout->addWidget(box);
    };
    period(QStringLiteral("当天经营情况："), m_form.day(), dayLabels);
    period(QStringLiteral("当月经营情况："), m_form.month(), monthLabels);

    auto *buttons = new QHBoxLayout;
    printButton = new QPushButton(QStringLiteral("打印"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    keys->button(printButton, [this] { print(); });
    keys->button(closeButton, [this] { accept(); });
    keys->startAt(closeButton);
    setMinimumWidth(560);
}

void TForm_sta::print()
{
    TForm_Preview::showDocument(m_ctx.prompt(),
                                TForm_curInfo::layout(texts(dayLabels), texts(monthLabels), m_form.printDateText()), this);
}
