#pragma once

#include <QString>

class QTemporaryDir;
class ReportLayout;

// Writes a document's pages to a PDF file in dir, as "导出PDF" writes them; the file's path, or
// an empty text when it could not be written. Read it back with PdfText.
QString documentPdf(const QTemporaryDir &dir, const ReportLayout &layout, const QString &fileName = QStringLiteral("doc.pdf"));
