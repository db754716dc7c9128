// Draws the report for people on a paged device, a PDF writer or a printer: a title block, the
// cable, the percentages, the tension profile, the plan table and the fill table, with page
// numbers. Text stays text, lines stay lines.
#pragma once

#include "report/printed_report.h"

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>

namespace tensora {

// Letter where the locale's country uses it, A4 elsewhere.
QPageSize report_page_size(const QLocale& locale);

// Draws every page; returns the number of pages (0 when the device cannot be painted on).
int render_report(QPagedPaintDevice& device, const PrintedReport& report);

// The report as a PDF document, in memory (saved whole by the caller); empty when it cannot
// be drawn.
QByteArray report_pdf(const PrintedReport& report, const QPageSize& size);

// A job's PDF: the schedule and the cable to order, then each pull's report; empty when it
// cannot be drawn.
QByteArray job_pdf(const PrintedJob& job, const QPageSize& size);

} // namespace tensora
