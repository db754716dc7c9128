#include "print/report_renderer.h"

#include "fill/fill_ratio.h"
#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "print/route_painter.h"
#include "print/spoken_message.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace tensora {
namespace {

const QColor kRule(150, 150, 150);

// One size for the text of every table and list of the report, one for their titles.
constexpr double kBodyPoints = 8.5;
constexpr double kTitlePoints = 12;

struct Column {
    QString heading;
    double width; // inches
    bool right;   // figures line up on their right
};

// Lays out and draws the pages. Run once without a painter to count the pages, then again to
// draw them with the count in each footer.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter* painter, int total)
        : device_(device), painter_(painter), total_(total),
          dpi_(device.logicalDpiY() > 0 ? device.logicalDpiY() : 72),
          page_(device.pageLayout().paintRectPixels(device.logicalDpiY())) {
        page_.moveTo(0, 0);
        body_bottom_ = page_.bottom() - pt(28);
        y_ = page_.top();
        startPage();
    }

    double pt(double points) const { return points * dpi_ / 72.0; }
    double inch(double inches) const { return inches * dpi_; }
    int pages() const { return page_number_; }
    bool drawing() const { return painter_ != nullptr; }
    QPainter& painter() { return *painter_; }
    double width() const { return page_.width(); }
    double left() const { return page_.left(); }
    double y() const { return y_; }
    double bodyBottom() const { return body_bottom_; }

    QFont font(double points, bool bold = false) const {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    double lineHeight(const QFont& font) const { return metrics(font).height(); }
    // Measured on the device in both passes, so that counting and drawing break alike.
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    // Room for `height` more on this page, else a new page.
    void need(double height) {
        if (y_ + height > body_bottom_ && y_ > page_.top()) {
            newPage();
        }
    }

    void newPage() {
        footer();
        if (drawing()) {
            device_.newPage();
        }
        ++page_number_;
        y_ = page_.top();
    }

    void advance(double height) { y_ += height; }

    void text(const QFont& font, const QString& text, double x, double width,
              Qt::Alignment align = Qt::AlignLeft, const QColor& color = Qt::black) {
        const double height = lineHeight(font);
        if (drawing()) {
            painter_->setFont(font);
            painter_->setPen(color);
            painter_->drawText(QRectF(x, y_, width, height), align | Qt::AlignVCenter, text);
        }
    }

    void finish() { footer(); }

private:
    void startPage() { page_number_ = 1; }

    void footer() {
        if (!drawing()) {
            return;
        }
        const QFont small = font(8);
        painter_->setFont(small);
        painter_->setPen(Qt::darkGray);
        painter_->drawText(
            QRectF(page_.left(), body_bottom_ + pt(10), page_.width(), lineHeight(small)),
            Qt::AlignHCenter, UiText::tr("Page %1 of %2").arg(page_number_).arg(total_));
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int total_;
    double dpi_;
    QRectF page_;
    double body_bottom_;
    double y_;
    int page_number_ = 1;
};

void title_block(Pages& pages, const PrintedReport& report) {
    const QFont title = pages.font(18, true);
    pages.text(title, UiText::tr("Tensora \u2014 Pull plan report"), pages.left(), pages.width());
    pages.advance(pages.lineHeight(title) + pages.pt(4));
    const QFont normal = pages.font(10);
    pages.text(normal, qt_text(report.date), pages.left(), pages.width(), Qt::AlignLeft,
               Qt::darkGray);
    pages.advance(pages.lineHeight(normal));
    if (!report.file_name.empty()) {
        pages.text(normal, UiText::tr("Report file: ") + qt_text(report.file_name), pages.left(),
                   pages.width(), Qt::AlignLeft, Qt::darkGray);
        pages.advance(pages.lineHeight(normal));
    }
    pages.advance(pages.pt(12));
}

// Lines of text no wider than `width`, broken between words.
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(current);
            current = word;
        } else {
            current = longer;
        }
    }
    if (!current.isEmpty()) {
        lines.append(current);
    }
    return lines;
}

// A heading and its label-value rows; a long value wraps under itself.
void pairs(Pages& pages, const QString& heading, const QList<QPair<QString, QString>>& rows) {
    const QFont bold = pages.font(kTitlePoints, true);
    const QFont normal = pages.font(kBodyPoints);
    const double value_width = pages.width() - pages.inch(2.3);
    QList<QStringList> values;
    qsizetype lines = 0;
    for (const auto& row : rows) {
        values.append(wrapped(row.second, pages.metrics(normal), value_width));
        lines += std::max({qsizetype{1}, values.back().size(),
                           wrapped(row.first, pages.metrics(normal), pages.inch(2.2)).size()});
    }
    pages.need(pages.lineHeight(bold) + pages.lineHeight(normal) * static_cast<double>(lines));
    pages.text(bold, heading, pages.left(), pages.width());
    pages.advance(pages.lineHeight(bold) + pages.pt(2));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        // A label longer than its column wraps under itself too, beside its value.
        const QStringList label = wrapped(rows[r].first, pages.metrics(normal), pages.inch(2.2));
        const qsizetype height = std::max({qsizetype{1}, label.size(), values[r].size()});
        for (qsizetype line = 0; line < height; ++line) {
            if (line < label.size()) {
                pages.text(normal, label[line], pages.left(), pages.inch(2.2));
            }
            if (line < values[r].size()) {
                pages.text(normal, values[r][line], pages.left() + pages.inch(2.3), value_width);
            }
            pages.advance(pages.lineHeight(normal));
        }
    }
    pages.advance(pages.pt(10));
}

// "(ft)", "(N)": a caption's unit in the units a figure is shown in.
QString in_units(const char* caption, Quantity quantity, UnitSystem units) {
    return QStringLiteral("%1 (%2)").arg(UiText::tr(caption),
                                         qt_text(unit_symbol(quantity, units)));
}

// The route's height along it, on the tension plot's distance scale, the vertical bends'
// ends marked.
void elevation_strip(QPainter& p, const Pages& pages, const ProfileData& profile,
                     const ProfileScale& scale, const QRectF& strip, const QFont& font) {
    double low = 0;
    double high = 0;
    for (const ElevationPoint& point : profile.elevation) {
        low = std::min(low, point.height);
        high = std::max(high, point.height);
    }
    const double span = high > low ? high - low : 1;
    const double step = axis_step(span);
    const double bottom = std::floor((low - span * 0.08) / step) * step;
    const double top = std::ceil((high + span * 0.08) / step) * step;
    const double x_span = scale.distance_to - scale.distance_from;
    const auto at = [&](double distance, double height) {
        return QPointF(strip.left() + (distance - scale.distance_from) / x_span * strip.width(),
                       strip.bottom() - (height - bottom) / (top - bottom) * strip.height());
    };
    const double label = pages.lineHeight(font);
    p.setFont(font);
    p.setPen(QPen(Qt::black, pages.pt(0.6)));
    p.setBrush(QColor(244, 244, 244)); // a light ground under the route's line
    p.drawRect(strip);
    for (const double y : {bottom, top}) {
        p.drawText(QRectF(strip.left() - pages.inch(0.6), at(0, y).y() - label / 2,
                          pages.inch(0.55), label),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'f', axis_decimals(step)));
    }
    p.drawText(QRectF(strip.left() + 3, strip.top() + 1, strip.width(), label), Qt::AlignLeft,
               in_units(QT_TRANSLATE_NOOP("UiText", "Height"), Quantity::Length, profile.units));
    QPainterPath route;
    for (std::size_t i = 0; i < profile.elevation.size(); ++i) {
        const QPointF point = at(profile.elevation[i].distance, profile.elevation[i].height);
        i == 0 ? route.moveTo(point) : route.lineTo(point);
    }
    p.setPen(QPen(QColor(90, 90, 90), pages.pt(1.2)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);
    p.setBrush(QColor(90, 90, 90));
    for (const ProfileBend& bend : profile.bends) {
        if (bend.turn == Turn::Horizontal) {
            continue;
        }
        for (const double distance : {bend.start, bend.end}) {
            const auto next = std::lower_bound(
                profile.elevation.begin(), profile.elevation.end(), distance,
                [](const ElevationPoint& point, double d) { return point.distance < d; });
            if (next != profile.elevation.end()) {
                p.drawEllipse(at(next->distance, next->height), pages.pt(1.4), pages.pt(1.4));
            }
        }
    }
}

// The plot of the tension profile on the page: its rectangle and scale, and where a point of
// the route and a tension stand on it.
struct ProfilePlot {
    QPainter& p;
    const Pages& pages;
    QRectF rect;
    ProfileScale scale;
    double label = 0; // a line of the small font
    NumberLocale locale{".", ","};

    QPointF at(double distance, double tension) const {
        const double x_span = scale.distance_to - scale.distance_from;
        const double y_span = scale.tension_to - scale.tension_from;
        return QPointF(rect.left() + (distance - scale.distance_from) / x_span * rect.width(),
                       rect.bottom() - (tension - scale.tension_from) / y_span * rect.height());
    }
};

// The legend under the plot: each pull on a line of its own, then the key, wrapped.
QList<QPair<QStringList, QColor>> profile_legend(const PrintedReport& report,
                                                 const ProfileScale& scale,
                                                 const QFontMetricsF& metrics, double width) {
    const ProfileData& profile = report.profile;
    const NumberLocale& locale = report.locale;
    QString key = UiText::tr("Bends");
    if (profile.allowable > 0) {
        key += QStringLiteral("    - - ") + spoken(allowable_text(profile, scale), locale);
    }
    if (!report.caption.empty()) {
        key += QStringLiteral("    -\u00b7- ") + spoken(report.caption, locale);
    }
    if (const Message left_out = left_out_text(profile); !left_out.empty()) {
        key += QStringLiteral("    ") + spoken(left_out, locale);
    }
    QList<QPair<QString, QColor>> entries{
        {spoken(pull_legend(profile, true), locale), kForwardPull},
        {spoken(pull_legend(profile, false), locale), kReversePull},
        {key, kBendShadeOnWhite}};
    if (const Message held = held_text(profile); !held.empty()) {
        entries.append({spoken(held, locale), kHeldRow});
    }
    QList<QPair<QStringList, QColor>> legend;
    for (const auto& [text, color] : entries) {
        legend.append({wrapped(text, metrics, width), color});
    }
    return legend;
}

// The bends, and the links where a pull is held at zero, as bands over the plot.
void shade_bands(const ProfilePlot& plot, const ProfileData& profile) {
    QPainter& p = plot.p;
    const double thinnest = plot.pages.pt(0.6);
    p.setClipRect(plot.rect.adjusted(-plot.pages.pt(2), -plot.pages.pt(2), plot.pages.pt(2),
                                     plot.pages.pt(2)));
    for (const ProfileBend& bend : profile.bends) {
        const double left = plot.at(bend.start, 0).x();
        const double right = std::max(plot.at(bend.end, 0).x(), left + thinnest);
        p.fillRect(QRectF(left, plot.rect.top(), right - left, plot.rect.height()), kBendShade);
    }
    for (const std::vector<int>* held : {&profile.forward_held, &profile.reverse_held}) {
        for (const int link : *held) {
            const auto i = static_cast<std::size_t>(link);
            const double left = plot.at(profile.link_starts[i], 0).x();
            const double right = plot.at(profile.link_starts[i + 1], 0).x();
            p.fillRect(
                QRectF(left, plot.rect.top(), std::max(right - left, thinnest), plot.rect.height()),
                kHeldRow);
        }
    }
    p.setClipping(false);
}

// The grid, the tick labels at whole steps from 0, the frame and the axes' titles.
void draw_axes(const ProfilePlot& plot, UnitSystem units) {
    QPainter& p = plot.p;
    const ProfileScale& scale = plot.scale;
    const QRectF& rect = plot.rect;
    const double label = plot.label;
    const double inch = plot.pages.inch(1);
    const QPen grid(QColor(220, 220, 220), plot.pages.pt(0.4));
    const auto ticks = [](double from, double to, double step) {
        QList<double> list;
        for (double v = std::ceil(from / step) * step; v <= to + step * 1e-9; v += step) {
            list.append(std::fabs(v) < step * 1e-9 ? 0 : v);
        }
        return list;
    };
    for (const double y : ticks(scale.tension_from, scale.tension_to, scale.tension_step)) {
        const double line = plot.at(0, y).y();
        p.setPen(grid);
        p.drawLine(QPointF(rect.left(), line), QPointF(rect.right(), line));
        p.setPen(Qt::black);
        p.drawText(QRectF(rect.left() - inch * 0.6, line - label / 2, inch * 0.55, label),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(y, 'f', scale.tension_decimals));
    }
    for (const double x : ticks(scale.distance_from, scale.distance_to, scale.distance_step)) {
        const double column = plot.at(x, 0).x();
        p.setPen(grid);
        p.drawLine(QPointF(column, rect.top()), QPointF(column, rect.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(column - inch * 0.4, rect.bottom() + 2, inch * 0.8, label),
                   Qt::AlignHCenter, QString::number(x, 'f', scale.distance_decimals));
    }
    p.setPen(QPen(Qt::black, plot.pages.pt(0.6)));
    p.drawRect(rect);
    p.drawText(
        QRectF(rect.left(), rect.bottom() + label + 2, rect.width(), label), Qt::AlignHCenter,
        in_units(QT_TRANSLATE_NOOP("UiText", "Distance along the route"), Quantity::Length, units));
    p.drawText(QRectF(rect.left() - inch * 0.6, rect.top() - label * 1.4, inch * 4, label),
               Qt::AlignLeft,
               in_units(QT_TRANSLATE_NOOP("UiText", "Tension"), Quantity::Tension, units));
}

// The allowable tension (or its name at the top edge, above the chart), and the mid-assist
// point's line.
void draw_marks(const ProfilePlot& plot, const ProfileData& profile) {
    QPainter& p = plot.p;
    const ProfileScale& scale = plot.scale;
    const double label = plot.label;
    const double inch = plot.pages.inch(1);
    if (profile.allowable > 0) {
        p.setPen(QPen(kOverLimit, plot.pages.pt(1), Qt::DashLine));
        const QString text = spoken(allowable_text(profile, scale), plot.locale);
        if (scale.allowable_shown) {
            p.drawLine(plot.at(scale.distance_from, profile.allowable),
                       plot.at(scale.distance_to, profile.allowable));
            p.drawText(QRectF(plot.rect.right() - inch * 3,
                              plot.at(0, profile.allowable).y() - label, inch * 3 - 2, label),
                       Qt::AlignRight, text);
        } else {
            p.drawText(QRectF(plot.rect.right() - inch * 3, plot.rect.top() - label * 1.4, inch * 3,
                              label),
                       Qt::AlignRight, text + QStringLiteral(" \u2191"));
        }
    }
    if (profile.mid_assist_at) {
        p.setPen(QPen(Qt::darkGray, plot.pages.pt(1), Qt::DashDotLine));
        p.drawLine(plot.at(*profile.mid_assist_at, scale.tension_from),
                   plot.at(*profile.mid_assist_at, scale.tension_to));
    }
}

// A link's own coefficient or raceway at the foot of the plot, from where the link starts.
void draw_raceways(const ProfilePlot& plot, const ProfileData& profile,
                   const std::vector<Message>& raceways) {
    QPainter& p = plot.p;
    p.setPen(QColor(60, 60, 60));
    double free_from = plot.rect.left();
    for (std::size_t i = 0; i < raceways.size() && i + 1 < profile.link_starts.size(); ++i) {
        if (raceways[i].empty()) {
            continue;
        }
        const QString text =
            UiText::tr("\u25b8 %1").arg(spoken(raceways[i], plot.locale));
        const double x = plot.at(profile.link_starts[i], plot.scale.tension_from).x();
        const double width = p.fontMetrics().horizontalAdvance(text);
        if (x < free_from || x + width > plot.rect.right()) {
            continue; // no room beside the previous label
        }
        p.drawText(QRectF(x, plot.rect.bottom() - plot.label - 1, width + 2, plot.label),
                   Qt::AlignLeft, text);
        free_from = x + width + 4;
    }
}

// Each pull's tensions along the route, decimated to the plot's width; markers where few.
void draw_pulls(const ProfilePlot& plot, const ProfileData& profile) {
    QPainter& p = plot.p;
    for (const auto& [pull, color] :
         {std::pair{&profile.forward, kForwardPull}, std::pair{&profile.reverse, kReversePull}}) {
        const auto points = decimated(*pull, plot.scale.distance_from, plot.scale.distance_to,
                                      static_cast<int>(plot.rect.width() / plot.pages.pt(0.5)));
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPointF point = plot.at(points[i].distance, points[i].tension);
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        p.setPen(QPen(color, plot.pages.pt(1.2)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        if (points.size() <= 200) {
            p.setBrush(color);
            for (const ProfilePoint& point : points) {
                p.drawEllipse(plot.at(point.distance, point.tension), plot.pages.pt(1.6),
                              plot.pages.pt(1.6));
            }
        }
    }
}

// A pull's measured tensions over the plan's, and its points beyond the allowable tension.
void draw_log(const ProfilePlot& plot, const PrintedLog& log) {
    QPainter& p = plot.p;
    QPainterPath path;
    for (std::size_t i = 0; i < log.points.size(); ++i) {
        const QPointF point = plot.at(log.points[i].distance, log.points[i].tension);
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    p.setPen(QPen(kMeasuredPull, plot.pages.pt(1.2), Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(kOverLimit, plot.pages.pt(1)));
    for (const ProfilePoint& point : log.over) {
        p.drawEllipse(plot.at(point.distance, point.tension), plot.pages.pt(2.2),
                      plot.pages.pt(2.2));
    }
}

// The tension profile, as the profile window draws it: the same scales, the same legend; with
// `overlay`, a pull's log over it.
void graph(Pages& pages, const PrintedReport& report, const PrintedLog* overlay = nullptr) {
    const ProfileData& profile = report.profile;
    if (profile.links == 0) {
        return;
    }
    const QFont small = pages.font(7.5);
    const QFontMetricsF metrics = pages.metrics(small);
    const double label = metrics.height();
    const double plot_width = pages.width() - pages.inch(0.7);
    ProfileScale scale = profile_scale(profile);
    if (overlay) {
        // The tension axis takes in the log's highest tension too.
        for (const ProfilePoint& point : overlay->points) {
            widen_tension_scale(scale, point.tension, profile.allowable);
        }
    }
    const auto legend = profile_legend(report, scale, metrics, plot_width - pages.pt(13));
    qsizetype legend_lines = 0;
    for (const auto& entry : legend) {
        legend_lines += entry.first.size();
    }
    // The route's height in a strip of its own under the tensions, for a plan with elevation.
    const double strip = profile.elevation.empty() ? 0 : pages.inch(1.0);
    const double height = pages.inch(3.0) + strip + label * static_cast<double>(legend_lines);
    pages.need(height + pages.pt(8));
    if (!pages.drawing()) {
        pages.advance(height + pages.pt(8));
        return;
    }
    QPainter& p = pages.painter();
    const ProfilePlot plot{p,
                           pages,
                           QRectF(pages.left() + pages.inch(0.6), pages.y() + label * 1.5,
                                  plot_width, pages.inch(3.0) - label * 4.5),
                           scale,
                           label,
                           report.locale};
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(small);
    shade_bands(plot, profile);
    draw_axes(plot, report.profile.units);
    draw_marks(plot, profile);
    draw_raceways(plot, profile, report.link_raceways);
    draw_pulls(plot, profile);
    if (overlay) {
        draw_log(plot, *overlay);
    }
    const QRectF& rect = plot.rect;
    if (strip > 0) {
        elevation_strip(
            p, pages, profile, scale,
            QRectF(rect.left(), rect.bottom() + label * 2.8, rect.width(), strip - label * 1.6),
            small);
    }
    double y = rect.bottom() + label * 2.6 + strip;
    for (const auto& [lines, color] : legend) {
        p.fillRect(QRectF(rect.left(), y + label * 0.3, pages.pt(10), label * 0.4), color);
        p.setPen(Qt::black);
        for (const QString& line : lines) {
            p.drawText(QRectF(rect.left() + pages.pt(13), y, rect.width() - pages.pt(13), label),
                       Qt::AlignLeft, line);
            y += label;
        }
    }
    p.restore();
    pages.advance(height + pages.pt(8));
}

// A table whose heading repeats on every page it runs onto.
// The columns' widths on the page: each its design's, but never narrower than its widest cell
// or the longest word of its heading (in whatever language it is printed); where they pass the
// page, the room above those least widths is shared out, and beyond that every column gives.
std::vector<double> column_widths(const Pages& pages, const QList<Column>& columns,
                                  const std::vector<QStringList>& rows) {
    const QFontMetricsF bold = pages.metrics(pages.font(kBodyPoints, true));
    const QFontMetricsF normal = pages.metrics(pages.font(kBodyPoints));
    std::vector<double> least;
    std::vector<double> widths;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        double widest = 0;
        for (const QString& word : columns[c].heading.split(QLatin1Char(' '))) {
            widest = std::max(widest, bold.horizontalAdvance(word));
        }
        for (const QStringList& row : rows) {
            if (c < row.size()) {
                widest = std::max(widest, normal.horizontalAdvance(row[c]));
            }
        }
        least.push_back(widest + pages.pt(6));
        widths.push_back(std::max(pages.inch(columns[c].width), least.back()));
    }
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    const double room = pages.width();
    if (total <= room) {
        return widths;
    }
    const double least_total = std::accumulate(least.begin(), least.end(), 0.0);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = least_total >= room ? least[c] * room / least_total
                                        : least[c] + (widths[c] - least[c]) * (room - least_total) /
                                                         (total - least_total);
    }
    return widths;
}

void table(Pages& pages, const QString& title, const QList<Column>& columns,
           const std::vector<QStringList>& rows, const std::function<bool(std::size_t)>& marked) {
    const QFont bold = pages.font(kBodyPoints, true);
    const QFont normal = pages.font(kBodyPoints);
    const double row_height = pages.lineHeight(normal) + pages.pt(2);
    const QFont heading_font = pages.font(kTitlePoints, true);
    const std::vector<double> widths = column_widths(pages, columns, rows);
    // The rule under the column headings and the marked rows span the columns, not the page.
    const double span = std::accumulate(widths.begin(), widths.end(), 0.0);
    // A long title, and a heading wider than its column, wrap rather than run off or get cut.
    const QStringList title_lines = wrapped(title, pages.metrics(heading_font), pages.width());
    QList<QStringList> heading_lines;
    qsizetype heading_rows = 1;
    for (const Column& column : columns) {
        heading_lines.append(
            wrapped(column.heading, pages.metrics(bold),
                    widths[static_cast<std::size_t>(heading_lines.size())] - pages.pt(4)));
        heading_rows = std::max(heading_rows, heading_lines.back().size());
    }
    const double title_height =
        pages.lineHeight(heading_font) * static_cast<double>(title_lines.size());
    const double headings_height = pages.lineHeight(bold) * static_cast<double>(heading_rows);
    const auto heading = [&] {
        for (const QString& line : title_lines) {
            pages.text(heading_font, line, pages.left(), pages.width());
            pages.advance(pages.lineHeight(heading_font));
        }
        pages.advance(pages.pt(2));
        for (qsizetype row = 0; row < heading_rows; ++row) {
            double x = pages.left();
            for (qsizetype c = 0; c < columns.size(); ++c) {
                // Each heading's lines stand at the foot of the heading band.
                const qsizetype first = heading_rows - heading_lines[c].size();
                if (row >= first) {
                    pages.text(bold, heading_lines[c][row - first], x,
                               widths[static_cast<std::size_t>(c)] - pages.pt(4),
                               columns[c].right ? Qt::AlignRight : Qt::AlignLeft);
                }
                x += widths[static_cast<std::size_t>(c)];
            }
            pages.advance(pages.lineHeight(bold));
        }
        pages.advance(row_height - pages.lineHeight(bold));
        if (pages.drawing()) {
            pages.painter().setPen(QPen(kRule, pages.pt(0.5)));
            pages.painter().drawLine(QPointF(pages.left(), pages.y()),
                                     QPointF(pages.left() + span, pages.y()));
        }
    };
    pages.need(title_height + headings_height + row_height * 3);
    heading();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int page = pages.pages();
        pages.need(row_height);
        if (pages.pages() != page) {
            heading(); // a new page: the heading again
        }
        if (pages.drawing() && marked(r)) {
            pages.painter().fillRect(QRectF(pages.left(), pages.y(), span, row_height), kOverRow);
        }
        double x = pages.left();
        for (qsizetype c = 0; c < columns.size() && c < rows[r].size(); ++c) {
            pages.text(normal, rows[r][c], x, widths[static_cast<std::size_t>(c)] - pages.pt(4),
                       columns[c].right ? Qt::AlignRight : Qt::AlignLeft);
            x += widths[static_cast<std::size_t>(c)];
        }
        pages.advance(row_height);
    }
    pages.advance(pages.pt(12));
}

QList<QPair<QString, QString>> text_pairs(const std::vector<std::pair<Message, Message>>& pairs,
                                          const NumberLocale& locale) {
    QList<QPair<QString, QString>> list;
    for (const auto& [label, text] : pairs) {
        list.append({spoken(label, locale), spoken(text, locale)});
    }
    return list;
}

void check_section(Pages& pages, const PrintedCheck& check, const NumberLocale& locale) {
    pairs(pages, UiText::tr("Pull check: cables in the conduit"), text_pairs(check.inputs, locale));
    pairs(pages, UiText::tr("Pull check: results"), text_pairs(check.results, locale));
    std::vector<QStringList> rows;
    rows.reserve(check.bends.size());
    for (std::size_t i = 0; i < check.bends.size(); ++i) {
        const CheckedBendTexts& bend = check.bends[i];
        rows.push_back({qt_text(bend.link), spoken(bend.radius, locale),
                        spoken(bend.forward_pressure, locale),
                        spoken(bend.reverse_pressure, locale), spoken(bend.limit, locale)});
    }
    if (rows.empty()) {
        return;
    }
    const auto heading = [&](std::size_t i) { return spoken(check.bend_headings[i], locale); };
    table(pages, UiText::tr("Sidewall bearing pressure from each bend's radius, corrected pull"),
          {{heading(0), 0.6, true},
           {heading(1), 1.0, true},
           {heading(2), 1.5, true},
           {heading(3), 1.5, true},
           {heading(4), 1.7, false}},
          rows, [&check](std::size_t r) { return check.bend_over[r]; });
}

// The cable's figures and the pull's summary: shares, mid-assist point, advice.
void cable_and_pull(Pages& pages, const PrintedReport& report) {
    const PullPlanReport& plan = report.plan;
    QList<QPair<QString, QString>> cable{
        {UiText::tr("Description"), qt_text(plan.description)},
        {in_units(QT_TRANSLATE_NOOP("UiText", "Allowable tension"), Quantity::Tension,
                  report.units),
         qt_text(plan.allowable)},
        {in_units(QT_TRANSLATE_NOOP("UiText", "Cable weight"), Quantity::Weight, report.units),
         qt_text(plan.weight)},
        {UiText::tr("Coefficient of friction"), qt_text(plan.friction)},
        {in_units(QT_TRANSLATE_NOOP("UiText", "Back tension"), Quantity::Tension, report.units),
         qt_text(plan.back_tension)}};
    if (!plan.bend_weight.empty()) {
        cable.append(
            {UiText::tr("Weight in bends"), bend_weight_by_key(plan.bend_weight).value_or(false)
                                                ? UiText::tr("all of it")
                                                : UiText::tr("in the bend's plane only")});
    }
    if (!report.lubricant.empty()) {
        cable.append({UiText::tr("Lubricant"), qt_text(report.lubricant)});
    }
    pairs(pages, UiText::tr("Cable"), cable);
    const auto share = [](const std::string& share) {
        return share.empty() ? UiText::tr("no allowable tension to compare with")
                             : qt_text(share) + UiText::tr(" of the allowable tension");
    };
    QList<QPair<QString, QString>> summary{
        {UiText::tr("Forward pull"), share(report.forward_share)},
        {UiText::tr("Reverse pull"), share(report.reverse_share)}};
    if (!report.caption.empty()) {
        summary.append({UiText::tr("Mid-assist"), spoken(report.caption, report.locale)});
    }
    if (!report.advice.empty()) {
        summary.append(
            {UiText::tr("Advice for the planner's cable"), spoken(report.advice, report.locale)});
    }
    pairs(pages, UiText::tr("Pull"), summary);
}

// The plan's table: every link with both pulls, marked where beyond the allowable tension or
// held at zero.
void plan_table(Pages& pages, const PrintedReport& report) {
    const PullPlanReport& plan = report.plan;
    // Where a pull is held at zero: the cable runs under its own weight there.
    std::vector<bool> held(plan.links.size(), false);
    for (const std::vector<int>* links :
         {&report.profile.forward_held, &report.profile.reverse_held}) {
        for (const int link : *links) {
            if (static_cast<std::size_t>(link) < held.size()) {
                held[static_cast<std::size_t>(link)] = true;
            }
        }
    }
    // Inch-pound headings as they always were; metric ones name each column's unit.
    const auto column_heading = [&report](const char* words, std::size_t column) {
        const bool sidewall = column % 2 == 1;
        if (report.units == UnitSystem::InchPound) {
            return sidewall ? UiText::tr(words) : in_units(words, Quantity::Tension, report.units);
        }
        return QStringLiteral("%1 (%2)").arg(
            UiText::tr(words),
            qt_text(column_symbol(sidewall ? Quantity::Pressure : Quantity::Tension,
                                  report.column_units[column])));
    };
    std::vector<QStringList> rows;
    rows.reserve(plan.links.size());
    for (std::size_t i = 0; i < plan.links.size(); ++i) {
        const ReportLink& link = plan.links[i];
        const bool over = i < report.over_limit.size() && report.over_limit[i];
        const PullLinkTexts shown{link.type, {}, {}, {}, false, link.right, link.tilt, link.sheave};
        rows.push_back({qt_text(link.number), spoken(link_type_words(shown), report.locale),
                        qt_text(link.length), qt_text(link.angle),
                        spoken_cell(link.forward, report.locale),
                        spoken_cell(link.forward_sidewall, report.locale),
                        spoken_cell(link.reverse, report.locale),
                        spoken_cell(link.reverse_sidewall, report.locale),
                        over      ? UiText::tr("over", "beyond the allowable tension")
                        : held[i] ? UiText::tr("held", "held at zero")
                                  : QString()});
    }
    const QString link_heading = UiText::tr("Link");
    const QString type_heading = UiText::tr("Type");
    QList<Column> columns{
        {link_heading, 0.45, true},
        {type_heading, 0.75, false},
        {in_units(QT_TRANSLATE_NOOP("UiText", "Length"), Quantity::Length, report.units), 0.8,
         true},
        {UiText::tr("Angle (\u00b0)"), 0.65, true},
        {column_heading(QT_TRANSLATE_NOOP("UiText", "Forward"), 0), 0.95, true},
        {column_heading(QT_TRANSLATE_NOOP("UiText", "Sidewall"), 1), 0.7, true},
        {column_heading(QT_TRANSLATE_NOOP("UiText", "Reverse"), 2), 0.95, true},
        {column_heading(QT_TRANSLATE_NOOP("UiText", "Sidewall"), 3), 0.7, true},
        {UiText::tr("Limit"), 0.5, false}};
    // A link's own coefficient and raceway, in a column of their own where a link has them.
    const std::vector<Message>& raceways = report.link_raceways;
    if (std::any_of(raceways.begin(), raceways.end(),
                    [](const Message& words) { return !words.empty(); })) {
        columns.insert(4, {UiText::tr("Friction"), 1.1, false});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].insert(4, i < raceways.size() ? spoken(raceways[i], report.locale) : QString());
        }
    }
    table(pages,
          UiText::tr("Plan (\"over\": beyond the allowable tension; \"held\": held at zero; "
                     "sidewall: tension leaving a bend / its length)"),
          columns, rows, [&report](std::size_t r) {
              return r < report.over_limit.size() && report.over_limit[r];
          });
}

// The fill ratio window's cables and each trade size's fill.
void fill_section(Pages& pages, const FillReport& fill, const NumberLocale& locale) {
    QStringList diameters;
    for (const std::string& diameter : fill.diameters) {
        diameters.append(qt_text(locale_number_text(diameter, locale)));
    }
    const auto figure = [&locale](const std::string& text) {
        return qt_text(locale_number_text(text, locale));
    };
    pairs(pages, UiText::tr("Conduit fill"),
          {{UiText::tr("Conduit standard"), qt_text(fill.standard)},
           {UiText::tr("Cables (OD in)"),
            UiText::tr("%n cable(s)", nullptr, static_cast<int>(fill.diameters.size())) +
                QStringLiteral(": ") + diameters.join(QStringLiteral(", "))},
           {UiText::tr("Total cable area (sq in)"), figure(fill.total_area)},
           {UiText::tr("Maximum combined pair width (in)"), figure(fill.pair_width)}});
    std::vector<QStringList> sizes;
    for (const FillReport::Row& row : fill.rows) {
        sizes.push_back({qt_text(row.trade_size), figure(row.pipe_id), figure(row.area),
                         row.percent == kOverText ? spoken(kOverWord, locale)
                                                  : qt_text(shown_percent(row.percent, locale))});
    }
    table(pages, UiText::tr("Fill by trade size"),
          {{UiText::tr("Trade size"), 1.0, false},
           {UiText::tr("Pipe ID (in)"), 1.0, true},
           {UiText::tr("Area (sq in)"), 1.0, true},
           {UiText::tr("Fill"), 1.0, true}},
          sizes, [](std::size_t) { return false; });
}

// The route on a page of its own: from above on the upper part, from the side below, the
// legend under them.
void route_page(Pages& pages, const PrintedReport& report) {
    pages.newPage();
    pages.text(pages.font(kTitlePoints, true), UiText::tr("Route"), pages.left(), pages.width());
    pages.advance(pages.lineHeight(pages.font(kTitlePoints, true)) + pages.pt(6));
    const double room = pages.bodyBottom() - pages.y();
    const double legend = pages.pt(54);
    const double label = pages.lineHeight(pages.font(kBodyPoints, true));
    const double plan_height = (room - legend - 2 * label) * 0.6;
    const double side_height = room - legend - 2 * label - plan_height;
    RouteStyle style;
    style.units = report.units;
    style.locale = report.locale;
    style.unit = pages.pt(0.75);
    const RouteDrawing& drawing = *report.route;
    for (const auto& [side, height, caption] :
         {std::tuple{RouteSide::Plan, plan_height, UiText::tr("Plan: the route from above")},
          std::tuple{RouteSide::Elevation, side_height,
                     UiText::tr("Elevation: height along the route, to scale")}}) {
        pages.text(pages.font(kBodyPoints, true), caption, pages.left(), pages.width());
        pages.advance(label);
        const QRectF area(pages.left(), pages.y(), pages.width(), height);
        if (pages.drawing()) {
            pages.painter().setPen(QPen(QColor(200, 200, 200), pages.pt(0.5)));
            pages.painter().drawRect(area);
            paint_route(pages.painter(), drawing, side, fitted_camera(drawing, side, area), area,
                        style);
        }
        pages.advance(height);
    }
    if (pages.drawing()) {
        paint_route_legend(pages.painter(), drawing,
                           QRectF(pages.left(), pages.y() + pages.pt(4), pages.width(), legend),
                           style);
    }
    pages.advance(legend);
}

// The options compared, on a page of their own: their figures in a table, the best one named;
// then each option's changes and verdict, which may run long.
void comparison_page(Pages& pages, const PrintedComparison& comparison,
                     const NumberLocale& locale) {
    pages.newPage();
    std::vector<QStringList> rows;
    QList<QPair<QString, QString>> changes;
    QList<QPair<QString, QString>> verdicts;
    for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
        const std::vector<Message>& cells = comparison.rows[i];
        const QString number = spoken(cells[0], locale);
        const QString option = UiText::tr("Option %1").arg(number);
        rows.push_back({comparison.best == i ? UiText::tr("%1 best").arg(number) : number,
                        spoken(cells[2], locale), spoken(cells[3], locale),
                        spoken(cells[4], locale), spoken(cells[5], locale),
                        i < comparison.ok.size() && comparison.ok[i] ? UiText::tr("OK")
                                                                     : UiText::tr("fails")});
        changes.append({option, spoken(cells[1], locale)});
        verdicts.append({option, spoken(cells[6], locale)});
    }
    const auto unit = [](Quantity quantity, ColumnUnit column) {
        return qt_text(column_symbol(quantity, column));
    };
    table(pages, UiText::tr("Options compared"),
          {{UiText::tr("Option"), 0.8, false},
           {UiText::tr("Forward (%1)").arg(unit(Quantity::Tension, comparison.tension_unit)), 1.0,
            true},
           {UiText::tr("Reverse (%1)").arg(unit(Quantity::Tension, comparison.tension_unit)), 1.0,
            true},
           {UiText::tr("Share"), 0.8, true},
           {UiText::tr("Sidewall (%1)").arg(unit(Quantity::Pressure, comparison.pressure_unit)),
            1.1, true},
           {UiText::tr("Verdict"), 0.8, false}},
          rows, [](std::size_t) { return false; });
    if (!comparison.deciding.empty()) {
        pairs(pages, UiText::tr("Best"),
              {{UiText::tr("Lowest highest tension"), spoken(comparison.deciding, locale)}});
    }
    pairs(pages, UiText::tr("Changes"), changes);
    pairs(pages, UiText::tr("Verdicts"), verdicts);
}

void flow_body(Pages& pages, const PrintedReport& report) {
    title_block(pages, report);
    cable_and_pull(pages, report);
    graph(pages, report);
    plan_table(pages, report);
    if (!report.equipment.empty()) {
        pairs(pages, UiText::tr("Pulling equipment"), text_pairs(report.equipment, report.locale));
    }
    if (report.check) {
        check_section(pages, *report.check, report.locale);
    }
    if (report.fill) {
        fill_section(pages, *report.fill, report.locale);
    }
    if (report.route && !report.route->empty()) {
        route_page(pages, report);
    }
    if (report.log) {
        // The log on a page of its own: the profile with the measured tensions over it, the fit.
        pages.newPage();
        pages.text(pages.font(kTitlePoints, true), UiText::tr("Pull log: measured over planned"),
                   pages.left(), pages.width());
        pages.advance(pages.lineHeight(pages.font(kTitlePoints, true)) + pages.pt(6));
        graph(pages, report, &*report.log);
        pairs(pages, UiText::tr("Pull log (dashed line; red rings: beyond the allowable tension)"),
              text_pairs(report.log->lines, report.locale));
    }
    if (report.comparison) {
        comparison_page(pages, *report.comparison, report.locale);
    }
}

void flow(Pages& pages, const PrintedReport& report) {
    flow_body(pages, report);
    pages.finish();
}

// A job: its schedule and the cable to order first, then each pull as its own report would
// print it, each from a new page.
void job_flow(Pages& pages, const PrintedJob& job) {
    const QFont title = pages.font(18, true);
    pages.text(title, UiText::tr("Tensora \u2014 Job"), pages.left(), pages.width());
    pages.advance(pages.lineHeight(title) + pages.pt(4));
    const QFont normal = pages.font(10);
    for (const std::string& line : {job.date, job.file_name}) {
        if (!line.empty()) {
            pages.text(normal, qt_text(line), pages.left(), pages.width(), Qt::AlignLeft,
                       Qt::darkGray);
            pages.advance(pages.lineHeight(normal));
        }
    }
    pages.advance(pages.pt(12));
    std::vector<QStringList> rows;
    QList<QPair<QString, QString>> verdicts;
    for (const std::vector<Message>& row : job.schedule) {
        QStringList cells;
        for (std::size_t c = 0; c + 1 < row.size(); ++c) {
            cells << spoken(row[c], job.locale);
        }
        rows.push_back(cells);
        verdicts.append({UiText::tr("Pull %1").arg(spoken(row.front(), job.locale)),
                         spoken(row.back(), job.locale)});
    }
    QList<Column> columns;
    const double widths[] = {0.4, 0.6, 0.6, 1.2, 0.6, 0.5, 0.7, 0.7, 0.5, 0.6, 0.6, 0.5};
    for (std::size_t c = 0; c + 1 < job.headings.size(); ++c) {
        columns.append({spoken(job.headings[c], job.locale), widths[c], c >= 4 && c != 10});
    }
    table(pages, UiText::tr("Schedule (red: the pull fails its check)"), columns, rows,
          [&job](std::size_t r) { return r < job.failing.size() && job.failing[r]; });
    pairs(pages, UiText::tr("Verdicts"), verdicts);
    pairs(pages, UiText::tr("Cable to order"), text_pairs(job.order, job.locale));
    for (const PrintedReport& pull : job.pulls) {
        pages.newPage();
        flow_body(pages, pull);
    }
    pages.finish();
}

} // namespace

QPageSize report_page_size(const QLocale& locale) {
    // The countries that print on Letter.
    static const QList<QLocale::Territory> kLetter{
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela, QLocale::Guatemala,
        QLocale::CostaRica,    QLocale::PuertoRico};
    return QPageSize(kLetter.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

int render_report(QPagedPaintDevice& device, const PrintedReport& report) {
    Pages count(device, nullptr, 0);
    flow(count, report);
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    Pages draw(device, &painter, count.pages());
    flow(draw, report);
    painter.end();
    return draw.pages();
}

namespace {

// A PDF of pages laid out by `flow`: counted first, then drawn; empty when it cannot be drawn.
QByteArray pdf_of(const QString& title, const QPageSize& size,
                  const std::function<void(Pages&)>& flow) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(54, 54, 54, 54), QPageLayout::Point);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tensora"));
        Pages count(writer, nullptr, 0);
        flow(count);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        Pages draw(writer, &painter, count.pages());
        flow(draw);
        painter.end();
        if (draw.pages() == 0) {
            return {};
        }
    }
    return pdf;
}

} // namespace

QByteArray job_pdf(const PrintedJob& job, const QPageSize& size) {
    return pdf_of(UiText::tr("Tensora job"), size, [&job](Pages& pages) { job_flow(pages, job); });
}

QByteArray report_pdf(const PrintedReport& report, const QPageSize& size) {
    return pdf_of(UiText::tr("Tensora pull plan report"), size,
                  [&report](Pages& pages) { flow(pages, report); });
}

} // namespace tensora
