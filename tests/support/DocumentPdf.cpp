#include "DocumentPdf.h"

#include "print/print/PageStore.h"
#include "print/print/ReportPainter.h"

#include <QFile>
#include <QTemporaryDir>

QString documentPdf(const QTemporaryDir &dir, const ReportLayout &layout, const QString &fileName)
{
    const QString path = dir.filePath(fileName);
    QFile::remove(path);
    PageStore store(layout.documentName);
    store.start(layout);
    store.waitForFinished();
    if (!ReportPainter::writePdf([&store](const auto &sink) { return store.forEachPage(sink); }, path))
        return QString();
    return path;
}
