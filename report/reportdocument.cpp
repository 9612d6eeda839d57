#include "report/reportdocument.h"

#include "files/filewrite.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// DejaVu Sans carries every sign the pages use (°C, ≠, →, Σ, umlauts);
// Debian installs it with fonts-dejavu-core.
const QString family = QStringLiteral("DejaVu Sans");
const QString differsMark = QStringLiteral("≠");
const QString none = QStringLiteral("–");
const int dpi = 300;

QString orNone(const QString &text)
{
    return text.trimmed().isEmpty() ? none : text;
}

QString dateWithOffset(const QDateTime &at)
{
    if (!at.isValid())
        return none;
    const int offset = at.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return QStringLiteral("%1 (UTC%2%3:%4)")
        .arg(at.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
        .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// 1, 2 or 5 times a power of ten, the smallest not below `raw`.
double niceStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

struct Table {
    struct Column {
        QString head;
        double share; // of the width
        Qt::Alignment align = Qt::AlignLeft;
    };
    struct Row {
        QStringList cells;
        bool marked = false;
    };
    QVector<Column> columns;
    QVector<Row> rows;
};

using Pairs = QVector<QPair<QString, QString>>;

// The pages as they fill: a cursor moving down, a new page (with its
// footer) whenever the next block would not fit.
class Pages
{
public:
    Pages(QPdfWriter *writer, const ReportHeader &header, int total)
        : writer(writer), header(header), total(total), painter(writer)
    {
        width = writer->width();
        bottom = writer->height() - mm(9);
        footer();
    }

    int pageCount() const { return page; }
    double mm(double value) const { return value * dpi / 25.4; }

    void setFont(double points, bool bold = false)
    {
        QFont font(family);
        font.setPointSizeF(points);
        font.setBold(bold);
        // No ligatures: "ﬁ" as one glyph would hide "file" from a search of the PDF.
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter.setFont(font);
    }

    void newPage()
    {
        writer->newPage();
        ++page;
        y = 0;
        footer();
    }

    // Starts a new page unless `height` fits below the cursor.
    void ensure(double height)
    {
        if (y > 0 && y + height > bottom)
            newPage();
    }

    void skip(double millimetres) { y += mm(millimetres); }

    // Wrapped at spaces, and inside a word (a long path) only where it must.
    static QTextOption wrapping(Qt::Alignment align)
    {
        QTextOption option(align);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return option;
    }

    double textHeight(const QString &text, double w, Qt::Alignment align = Qt::AlignLeft)
    {
        return painter.boundingRect(QRectF(0, 0, w, 1e6), text, wrapping(align)).height();
    }

    // Draws wrapped text in x .. x+w from `top` and returns its height.
    double text(const QString &text, double x, double w, double top, Qt::Alignment align = Qt::AlignLeft)
    {
        const double h = textHeight(text, w, align);
        painter.drawText(QRectF(x, top, w, h), text, wrapping(align));
        return h;
    }

    void title(const QString &text)
    {
        setFont(17, true);
        y += this->text(text, 0, width, y);
        y += mm(2);
    }

    // A heading kept together with `following` of what comes under it.
    void heading(const QString &text, double following = 0, double x = 0, double w = -1)
    {
        if (w < 0)
            w = width;
        setFont(10.5, true);
        const double h = textHeight(text, w);
        ensure(h + mm(2.5) + following);
        this->text(text, x, w, y);
        y += h + mm(0.6);
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), mm(0.2)));
        painter.drawLine(QPointF(x, y), QPointF(x + w, y));
        painter.setPen(Qt::black);
        y += mm(1.4);
    }

    void moduleHeading(const QString &text)
    {
        setFont(13, true);
        const double h = textHeight(text, width);
        ensure(h + mm(30));
        painter.fillRect(QRectF(0, y, width, h + mm(2)), QColor(0xe4, 0xe9, 0xf0));
        this->text(text, mm(2), width - mm(4), y + mm(1));
        y += h + mm(4);
    }

    void paragraph(const QString &text, double points = 8.5, bool bold = false)
    {
        setFont(points, bold);
        const double h = textHeight(text, width);
        ensure(h);
        this->text(text, 0, width, y);
        y += h + mm(0.8);
    }

    // Name and value pairs in `columns` columns side by side, filled row by row.
    double pairs(const Pairs &items, int columns, double labelShare, double x, double w, double top,
                 const QVector<bool> &strong = {}, bool breakPages = false)
    {
        const double gap = mm(4);
        const double columnWidth = (w - gap * (columns - 1)) / columns;
        const double labelWidth = columnWidth * labelShare;
        const double valueWidth = columnWidth - labelWidth - mm(1.5);
        double at = top;
        for (int first = 0; first < items.size(); first += columns) {
            double h = 0;
            for (int i = first; i < std::min<int>(first + columns, items.size()); ++i) {
                setFont(8);
                h = std::max(h, textHeight(items[i].first, labelWidth));
                setFont(8.5, i < strong.size() && strong[i]);
                h = std::max(h, textHeight(orNone(items[i].second), valueWidth));
            }
            if (breakPages && at + h > bottom) {
                newPage();
                at = y;
            }
            for (int i = first; i < std::min<int>(first + columns, items.size()); ++i) {
                const double left = x + (i - first) * (columnWidth + gap);
                setFont(8);
                painter.setPen(QColor(0x50, 0x50, 0x50));
                text(items[i].first, left, labelWidth, at);
                painter.setPen(Qt::black);
                setFont(8.5, i < strong.size() && strong[i]);
                text(orNone(items[i].second), left + labelWidth + mm(1.5), valueWidth, at);
            }
            at += h + mm(0.9);
        }
        return at - top;
    }

    void pairs(const Pairs &items, int columns, double labelShare, const QVector<bool> &strong = {})
    {
        y += pairs(items, columns, labelShare, 0, width, y, strong, true);
    }

    void table(const Table &table)
    {
        const double pad = mm(1.2);
        const double vpad = mm(0.7);
        QVector<double> lefts, widths;
        double x = 0;
        for (const auto &column : table.columns) {
            lefts << x;
            widths << column.share * width;
            x += column.share * width;
        }
        auto rowHeight = [&](const QStringList &cells) {
            double h = 0;
            for (int c = 0; c < table.columns.size(); ++c)
                h = std::max(h, textHeight(cells.value(c), widths[c] - 2 * pad));
            return h + 2 * vpad;
        };
        auto drawCells = [&](const QStringList &cells) {
            for (int c = 0; c < table.columns.size(); ++c) {
                text(cells.value(c), lefts[c] + pad, widths[c] - 2 * pad, y + vpad, table.columns[c].align);
            }
        };
        QStringList heads;
        for (const auto &column : table.columns)
            heads << column.head;
        auto drawHead = [&]() {
            setFont(8, true);
            const double h = rowHeight(heads);
            painter.fillRect(QRectF(0, y, width, h), QColor(0xdd, 0xe2, 0xe8));
            drawCells(heads);
            y += h;
        };
        setFont(8, true);
        const double headHeight = rowHeight(heads);
        setFont(8.5);
        const double firstRow = table.rows.isEmpty() ? 0 : rowHeight(table.rows.first().cells);
        ensure(headHeight + firstRow);
        drawHead();
        const QPen rule(QColor(0xc8, 0xc8, 0xc8), mm(0.15));
        for (const auto &row : table.rows) {
            setFont(8.5, row.marked);
            const double h = rowHeight(row.cells);
            if (y + h > bottom) {
                newPage();
                drawHead();
                setFont(8.5, row.marked);
            }
            if (row.marked)
                painter.fillRect(QRectF(0, y, width, h), QColor(0xfb, 0xe8, 0xb8));
            drawCells(row.cells);
            y += h;
            painter.setPen(rule);
            painter.drawLine(QPointF(0, y), QPointF(width, y));
            painter.setPen(Qt::black);
        }
        y += mm(1.5);
    }

    // The three phase voltages in `area`: volts up, time across.
    void voltages(const QVector<ReportModule::Sample> &samples, const QRectF &area)
    {
        double low = samples.first().volts[0], high = low;
        qint64 start = samples.first().at.toMSecsSinceEpoch(), end = start;
        for (const auto &s : samples) {
            for (double v : s.volts) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
            start = std::min(start, s.at.toMSecsSinceEpoch());
            end = std::max(end, s.at.toMSecsSinceEpoch());
        }
        if (high - low < 2) {
            low -= 1;
            high += 1;
        }
        const double step = niceStep((high - low) / 4);
        low = std::floor(low / step) * step;
        high = std::ceil(high / step) * step;
        const qint64 span = std::max<qint64>(end - start, 1);

        setFont(7);
        const QFontMetricsF metrics = painter.fontMetrics();
        const double lineHeight = metrics.height();
        QString widest;
        for (double v = low; v <= high + step / 2; v += step)
            widest = std::max(widest, ReportDocument::tr("%1 V").arg(v, 0, 'f', step < 1 ? 1 : 0), [&](auto &a, auto &b) {
                return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
            });
        const QRectF frame(QPointF(area.left() + metrics.horizontalAdvance(widest) + mm(1.5), area.top() + lineHeight + mm(2)),
                           QPointF(area.right() - mm(2), area.bottom() - 2 * lineHeight - mm(1.5)));
        auto xOf = [&](const QDateTime &t) {
            return frame.left() + frame.width() * double(t.toMSecsSinceEpoch() - start) / span;
        };
        auto yOf = [&](double v) { return frame.bottom() - frame.height() * (v - low) / (high - low); };

        const QPen grid(QColor(0xd8, 0xd8, 0xd8), mm(0.15));
        const QPen axis(Qt::black, mm(0.2));
        for (double v = low; v <= high + step / 2; v += step) {
            painter.setPen(grid);
            painter.drawLine(QPointF(frame.left(), yOf(v)), QPointF(frame.right(), yOf(v)));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(area.left(), yOf(v) - lineHeight / 2, frame.left() - area.left() - mm(1), lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, ReportDocument::tr("%1 V").arg(v, 0, 'f', step < 1 ? 1 : 0));
        }
        // Ticks on whole minutes, hours or days of the samples' own clock.
        const QDateTime first = samples.first().at;
        const qint64 offset = first.offsetFromUtc() * 1000LL;
        const qint64 day = 24 * 3600 * 1000LL;
        qint64 stepMs = 0;
        for (int seconds : {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 10800, 21600, 43200}) {
            if (span <= 5 * seconds * 1000LL) {
                stepMs = seconds * 1000LL;
                break;
            }
        }
        if (stepMs == 0)
            stepMs = day * ((span + 5 * day - 1) / (5 * day));
        const QString format = span > day        ? QStringLiteral("MM-dd HH:mm")
                               : stepMs < 60000 ? QStringLiteral("HH:mm:ss")
                                                : QStringLiteral("HH:mm");
        const double labelWidth = mm(24);
        qint64 tick = start + offset + stepMs - 1;
        tick = tick - ((tick % stepMs) + stepMs) % stepMs - offset;
        for (; tick <= end; tick += stepMs) {
            const double x = frame.left() + frame.width() * double(tick - start) / span;
            const QDateTime t = QDateTime::fromMSecsSinceEpoch(tick).toOffsetFromUtc(first.offsetFromUtc());
            painter.setPen(axis);
            painter.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + mm(0.8)));
            // Centred under the tick, or kept inside the picture at its ends.
            double left = x - labelWidth / 2;
            int align = Qt::AlignHCenter;
            if (left < area.left()) {
                left = area.left();
                align = Qt::AlignLeft;
            } else if (left + labelWidth > area.right()) {
                left = area.right() - labelWidth;
                align = Qt::AlignRight;
            }
            painter.drawText(QRectF(left, frame.bottom() + mm(1), labelWidth, lineHeight), align, t.toString(format));
        }
        painter.drawText(QRectF(frame.left(), frame.bottom() + mm(1) + lineHeight, frame.width(), lineHeight),
                         Qt::AlignHCenter, ReportDocument::tr("Time"));
        painter.setPen(axis);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.bottomLeft(), frame.topLeft());

        // Printed in black and white the dashes still tell the phases apart.
        const QColor colours[3] = {QColor(0x8b, 0x45, 0x13), Qt::black, QColor(0x1f, 0x5f, 0xb0)};
        const Qt::PenStyle styles[3] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(frame.adjusted(0, -mm(0.5), 0, mm(0.5)));
        for (int phase = 0; phase < 3; ++phase) {
            QPen pen(colours[phase], mm(0.35), styles[phase], Qt::FlatCap, Qt::RoundJoin);
            painter.setPen(pen);
            QPolygonF line;
            for (const auto &s : samples)
                line << QPointF(xOf(s.at), yOf(s.volts[phase]));
            painter.drawPolyline(line);
        }
        painter.restore();

        double legendX = frame.right();
        for (int phase = 2; phase >= 0; --phase) {
            const QString name = ReportDocument::tr("L%1–N").arg(phase + 1);
            const double w = metrics.horizontalAdvance(name);
            legendX -= w;
            painter.setPen(Qt::black);
            painter.drawText(QRectF(legendX, area.top(), w + mm(1), lineHeight), Qt::AlignLeft, name);
            legendX -= mm(7.5);
            painter.setPen(QPen(colours[phase], mm(0.35), styles[phase], Qt::FlatCap));
            const double middle = area.top() + lineHeight / 2;
            painter.drawLine(QPointF(legendX, middle), QPointF(legendX + mm(6), middle));
            legendX -= mm(4);
        }
        painter.setPen(Qt::black);
    }

    void signature(const QString &technician)
    {
        heading(ReportDocument::tr("Confirmation"), mm(22));
        const double gap = mm(8);
        const double w = (width - 2 * gap) / 3;
        const double line = y + mm(12);
        const QString labels[3] = {ReportDocument::tr("Technician"), ReportDocument::tr("Date"), ReportDocument::tr("Signature")};
        for (int i = 0; i < 3; ++i) {
            const double x = i * (w + gap);
            if (i == 0 && !technician.trimmed().isEmpty()) {
                setFont(9);
                text(technician, x, w, line - mm(5));
            }
            painter.setPen(QPen(Qt::black, mm(0.25)));
            painter.drawLine(QPointF(x, line), QPointF(x + w, line));
            setFont(8);
            text(labels[i], x, w, line + mm(1));
        }
        y = line + mm(6);
    }

    QPdfWriter *writer;
    const ReportHeader &header;
    int total;
    QPainter painter;
    double width = 0;
    double bottom = 0;
    double y = 0;
    int page = 1;

private:
    void footer()
    {
        const double h = writer->height();
        painter.save();
        QFont font(family);
        font.setPointSizeF(7.5);
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter.setFont(font);
        painter.setPen(QPen(QColor(0x90, 0x90, 0x90), mm(0.2)));
        painter.drawLine(QPointF(0, h - mm(6)), QPointF(width, h - mm(6)));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        QStringList left{ReportDocument::tr("Commissioning report")};
        if (!header.site.trimmed().isEmpty())
            left << header.site;
        if (header.at.isValid())
            left << header.at.toString(QStringLiteral("yyyy-MM-dd"));
        const QRectF band(0, h - mm(5), width, mm(5));
        const QString number = ReportDocument::tr("Page %1 of %2").arg(page).arg(total);
        const double numberWidth = painter.fontMetrics().horizontalAdvance(number) + mm(4);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(left.join(QStringLiteral(" · ")), Qt::ElideRight,
                                                          int(width - numberWidth)));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, number);
        painter.restore();
    }
};

void drawHeader(Pages &pages, const ReportHeader &header)
{
    pages.title(ReportDocument::tr("Commissioning report"));
    Pairs items{{ReportDocument::tr("Site"), header.site},
                {ReportDocument::tr("Technician"), header.technician},
                {ReportDocument::tr("Date"), dateWithOffset(header.at)},
                {ReportDocument::tr("Tool version"), header.toolVersion},
                {ReportDocument::tr("Line"), header.line}};
    if (!header.referenceFile.isEmpty())
        items << qMakePair(ReportDocument::tr("Reference file"), header.referenceFile);
    pages.pairs(items, 1, 0.18);
    pages.skip(3);
}

void drawSummary(Pages &pages, const QVector<ReportModule> &modules)
{
    pages.heading(ReportDocument::tr("Modules on the line"), pages.mm(12));
    Table table;
    table.columns = {{ReportDocument::tr("Slave address"), 0.15, Qt::AlignRight},
                     {ReportDocument::tr("Serial number"), 0.22},
                     {ReportDocument::tr("Firmware"), 0.17},
                     {ReportDocument::tr("Alarms"), 0.28},
                     {ReportDocument::tr("Differences"), 0.18, Qt::AlignRight}};
    for (const auto &m : modules) {
        const QString differences = m.hasReference ? QString::number(m.differences) : none;
        table.rows << Table::Row{{QString::number(m.slaveAddress), orNone(m.serialNumber),
                                  orNone(m.firmwareVersion), orNone(m.alarmSummary), differences},
                                 m.hasReference && m.differences > 0};
    }
    pages.table(table);
}

void drawSettings(Pages &pages, const ReportModule &m)
{
    pages.heading(ReportDocument::tr("Settings"), pages.mm(12));
    if (!m.settingsProblem.isEmpty()) {
        pages.paragraph(ReportDocument::tr("The settings could not be read: %1").arg(m.settingsProblem), 8.5, true);
        pages.skip(2);
        return;
    }
    if (m.settings.isEmpty()) {
        pages.paragraph(ReportDocument::tr("No settings were read."));
        pages.skip(2);
        return;
    }
    Table table;
    if (m.hasReference) {
        table.columns = {{ReportDocument::tr("Setting"), 0.40},
                         {ReportDocument::tr("Value"), 0.20},
                         {ReportDocument::tr("Unit"), 0.10},
                         {ReportDocument::tr("Reference"), 0.24},
                         {QString(), 0.06, Qt::AlignHCenter}};
    } else {
        table.columns = {{ReportDocument::tr("Setting"), 0.52},
                         {ReportDocument::tr("Value"), 0.32},
                         {ReportDocument::tr("Unit"), 0.16}};
    }
    int differing = 0;
    for (const auto &s : m.settings) {
        Table::Row row{{s.label, orNone(s.value), s.unit}, m.hasReference && s.differs};
        if (m.hasReference)
            row.cells << orNone(s.reference) << (s.differs ? differsMark : QString());
        differing += row.marked;
        table.rows << row;
    }
    pages.table(table);
    if (m.hasReference) {
        pages.paragraph(differing == 0
                            ? ReportDocument::tr("Every setting agrees with the reference file.")
                            : ReportDocument::tr("%1  marks a value that differs from the reference file; "
                                                 "settings that differ: %2.")
                                  .arg(differsMark)
                                  .arg(differing),
                        8);
    }
    pages.skip(2);
}

void drawMeasurements(Pages &pages, const ReportModule &m)
{
    pages.heading(ReportDocument::tr("Measurements"), pages.mm(12));
    if (!m.measurementsProblem.isEmpty()) {
        pages.paragraph(ReportDocument::tr("The measurements could not be read: %1").arg(m.measurementsProblem), 8.5,
                        true);
        pages.skip(2);
        return;
    }
    if (m.measurements.isEmpty()) {
        pages.paragraph(ReportDocument::tr("No measurements were read."));
        pages.skip(2);
        return;
    }
    Table table;
    const int heads = std::max(1, int(m.measurementHeads.size()));
    table.columns << Table::Column{ReportDocument::tr("Quantity"), 0.30};
    for (int i = 0; i < heads; ++i)
        table.columns << Table::Column{m.measurementHeads.value(i), 0.58 / heads, Qt::AlignRight};
    table.columns << Table::Column{ReportDocument::tr("Unit"), 0.12};
    for (const auto &row : m.measurements) {
        QStringList cells{row.label};
        for (int i = 0; i < heads; ++i)
            cells << row.values.value(i);
        cells << row.unit;
        table.rows << Table::Row{cells, false};
    }
    pages.table(table);
    if (!m.meansTime.isEmpty())
        pages.paragraph(ReportDocument::tr("Mean values as of %1").arg(m.meansTime), 8);
    pages.skip(2);
}

void drawAlarms(Pages &pages, const ReportModule &m)
{
    pages.heading(ReportDocument::tr("Alarms"), pages.mm(10));
    Pairs states;
    QVector<bool> active;
    for (const auto &a : m.alarms) {
        states << qMakePair(a.name, a.active ? QStringLiteral("%1  ⚠").arg(a.state) : a.state);
        active << a.active;
    }
    if (!states.isEmpty())
        pages.pairs(states, 2, 0.4, active);
    pages.skip(1);
    pages.ensure(pages.mm(12));
    pages.paragraph(ReportDocument::tr("Alarm history"), 8.5, true);
    if (m.alarmHistory.isEmpty()) {
        pages.paragraph(ReportDocument::tr("No alarms since the program started"), 8);
    } else {
        for (const auto &line : m.alarmHistory)
            pages.paragraph(line, 8);
    }
    pages.skip(2);
}

// The voltages' picture on the left, the link's statistics on the right.
void drawVoltagesAndLink(Pages &pages, const ReportModule &m)
{
    const double gap = pages.mm(6);
    const double chartWidth = pages.width * 0.6;
    const double statsWidth = pages.width - chartWidth - gap;
    QVector<ReportModule::Sample> samples;
    for (const auto &s : m.voltages) {
        if (s.at.isValid() && std::isfinite(s.volts[0]) && std::isfinite(s.volts[1]) && std::isfinite(s.volts[2]))
            samples << s;
    }
    const bool picture = samples.size() >= 2;
    const double chartHeight = picture ? pages.mm(52) : pages.mm(8);
    const Pairs &statistics = m.linkStatistics;
    // Measured without drawing: the statistics decide the block's height too.
    double statsHeight = 0;
    for (const auto &s : statistics) {
        pages.setFont(8.5);
        statsHeight += std::max(pages.textHeight(s.first, statsWidth * 0.62), pages.textHeight(s.second, statsWidth * 0.38))
                       + pages.mm(0.9);
    }
    // Statistics longer than the picture go below it, over the full width.
    const bool beside = statsHeight <= chartHeight + pages.mm(12);
    pages.ensure(pages.mm(8) + (beside ? std::max(chartHeight, statsHeight) : chartHeight));
    const double top = pages.y;
    pages.heading(ReportDocument::tr("Phase voltages"), 0, 0, chartWidth);
    const double below = pages.y;
    if (picture) {
        pages.voltages(samples, QRectF(0, below, chartWidth, chartHeight));
    } else {
        pages.setFont(8);
        pages.text(ReportDocument::tr("No voltages recorded"), 0, chartWidth, below);
    }
    if (!beside) {
        pages.y = below + chartHeight + pages.mm(3);
        pages.heading(ReportDocument::tr("Link statistics"), pages.mm(10));
        pages.pairs(statistics, 2, 0.6);
        pages.skip(2);
        return;
    }
    pages.y = top;
    pages.heading(ReportDocument::tr("Link statistics"), 0, chartWidth + gap, statsWidth);
    double used = 0;
    if (statistics.isEmpty()) {
        pages.setFont(8);
        used = pages.text(ReportDocument::tr("No statistics"), chartWidth + gap, statsWidth, below);
    } else {
        used = pages.pairs(statistics, 1, 0.62, chartWidth + gap, statsWidth, below);
    }
    pages.y = below + std::max(chartHeight, used) + pages.mm(3);
}

void drawModule(Pages &pages, const ReportModule &m)
{
    pages.moduleHeading(m.serialNumber.isEmpty()
                            ? ReportDocument::tr("Module at slave address %1").arg(m.slaveAddress)
                            : ReportDocument::tr("Module at slave address %1, serial number %2")
                                  .arg(m.slaveAddress)
                                  .arg(m.serialNumber));
    pages.heading(ReportDocument::tr("Identity"), pages.mm(10));
    pages.pairs({{ReportDocument::tr("Slave address"), QString::number(m.slaveAddress)},
                 {ReportDocument::tr("Serial number"), m.serialNumber},
                 {ReportDocument::tr("FSD ID"), m.fsdId},
                 {ReportDocument::tr("Firmware version"), m.firmwareVersion},
                 {ReportDocument::tr("Hardware version"), m.hardwareVersion},
                 {ReportDocument::tr("Last boot"), m.lastBoot},
                 {ReportDocument::tr("Installation date"), m.installationDate}},
                2, 0.42);
    pages.skip(2);
    drawSettings(pages, m);
    drawMeasurements(pages, m);
    drawAlarms(pages, m);
    drawVoltagesAndLink(pages, m);
}

// One pass over the whole report; returns the pages it took. The footers
// need the count, so render() draws twice.
int draw(QIODevice *device, const ReportHeader &header, const QVector<ReportModule> &modules, int total)
{
    QPdfWriter writer(device);
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(ReportDocument::tr("Commissioning report"));
    writer.setCreator(header.toolVersion.isEmpty() ? QStringLiteral("Orvalis")
                                                   : QStringLiteral("Orvalis %1").arg(header.toolVersion));
    Pages pages(&writer, header, total);
    drawHeader(pages, header);
    if (modules.size() > 1) {
        drawSummary(pages, modules);
        for (const auto &m : modules) {
            pages.newPage();
            drawModule(pages, m);
        }
    } else if (modules.size() == 1) {
        drawModule(pages, modules.first());
    } else {
        pages.paragraph(ReportDocument::tr("No module was found on the line."));
    }
    pages.signature(header.technician);
    return pages.pageCount();
}

} // namespace

QByteArray ReportDocument::render(const ReportHeader &header, const QVector<ReportModule> &modules)
{
    QBuffer count;
    count.open(QIODevice::WriteOnly);
    const int total = draw(&count, header, modules, 0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    draw(&buffer, header, modules, total);
    return buffer.data();
}

bool ReportDocument::write(const QString &path, const ReportHeader &header, const QVector<ReportModule> &modules,
                           QString *error)
{
    return FileWrite::whole(path, render(header, modules), error);
}
