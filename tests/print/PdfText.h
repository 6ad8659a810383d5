#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads a PDF back with poppler's command-line tools.
namespace PdfText {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of the whole file, or of one page (1-based), in reading order.
inline QString text(const QString &path, int page = 0)
{
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), args);
}

// The text with every run of white space removed, so a check does not depend on where the
// layout placed spaces between a caption and its value.
inline QString compact(const QString &path, int page = 0)
{
    QString t = text(path, page);
    t.remove(QRegularExpression(QStringLiteral("\\s+")));
    return t;
}

inline int pageCount(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// "W x H" of the first page in millimetres, rounded.
inline QString pageSizeMm(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    if (!m.hasMatch())
        return QString();
    const auto mm = [](const QString &pts) { return QString::number(qRound(pts.toDouble() * 25.4 / 72.0)); };
    return mm(m.captured(1)) + QStringLiteral("x") + mm(m.captured(2));
}

} // namespace PdfText
