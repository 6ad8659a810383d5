#pragma once

#include <QFile>

// The resident memory of this process, from /proc (Linux), in megabytes; 0 when unknown.
namespace ProcessMemory {
inline double residentMb(const char *field = "VmRSS:")
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
inline double peakMb() { return residentMb("VmHWM:"); }
}
