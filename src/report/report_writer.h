#pragma once

#include "core/report/outcome.h"
#include "report/report_document.h"

#include <QString>

class QPagedPaintDevice;

// Writes a report to `path`: as PDF (A4, through Qt's text document) when the name ends in
// .pdf, otherwise as plain text (GBK, CR LF, as every text file the program writes). Nothing
// is left behind when the write fails. Ends Done, FileNotWritable or WriteFailed with the reason.
Outcome WriteReport(const QString& path, const ReportDocument& document);

// Lays the report out on pages of `device` (a PDF writer, a printer).
void PrintReport(const ReportDocument& document, QPagedPaintDevice& device);
