#pragma once

#include "print/print/ReportLayout.h"

// "当前经营情况": the five figures of today and the five of this month, as the screen shows them
// (each text with its caption and unit), and the date.
class TForm_curInfo
{
public:
    // dateText: "当前日期：…".
    static ReportLayout layout(const QStringList &dayTexts, const QStringList &monthTexts, const QString &dateText);
};
