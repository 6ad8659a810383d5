#pragma once

#include <QString>

// One note of the shared notebook ("记事本").
struct Note
{
    qint64 key = 0;  // the engine's row key; 0 for a note not written yet
    QString date;    // "记事时间": the day of its last save, "yyyy-MM-dd"
    QString subject; // "主题"
    QString content; // "内容"
    QString author;  // "记事人"
};
