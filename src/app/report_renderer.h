// Draws the report for people on a paged device, a PDF writer or a printer: a title block, the
// cable, the percentages, the tension profile, the plan table and the fill table, with page
// numbers. Text stays text, lines stay lines.
#pragma once

#include "app/printed_report.h"

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>

namespace tensora {

// Letter where the locale's country uses it, A4 elsewhere.
QPageSize report_page_size(const QLocale& locale);

// Draws every page; returns the number of pages (0 when the device cannot be painted on).
int render_report(QPagedPaintDevice& device, const PrintedReport& report);

// Writes the report as a PDF file whole or not at all; false with the reason when it cannot.
bool write_report_pdf(const QString& path, const PrintedReport& report, const QPageSize& size,
                      QString& reason);

} // namespace tensora
