#include "print/stats/TForm_curInfo.h"

ReportLayout TForm_curInfo::layout(const QStringList &dayTexts, const QStringList &monthTexts, const QString &dateText)
{
    ReportLayout l;
    l.documentName = QStringLiteral("当前经营情况");
    const double w = l.contentWidth();
    ReportBand &t = l.title;
    t.line(0, 0, w, 0);
    t.text(0, 2, w, 10, QStringLiteral("当前经营情况")).size(16).heavy().centre();
    t.line(0, 14, w, 14);
    // A caption, its five texts side by side (a long amount wraps in its cell), a rule under them.
    auto period = [&](double y, const QString &caption, const QStringList &texts) {
        t.text(0, y, w, 7, caption).size(11);
        const double cell = w / 5;
        for (int i = 0; i < 5; ++i)
            t.text(i * cell, y + 8, cell, 10, texts.value(i)).size(10).wrapped();
        t.line(0, y + 20, w, y + 20);
        return y + 22;
    };
    double y = period(17, QStringLiteral("当天情况："), dayTexts);
    y = period(y, QStringLiteral("当月情况："), monthTexts);
    t.text(0, y + 2, w, 7, dateText).size(10).right();
    t.height = y + 10;
    return l;
}
