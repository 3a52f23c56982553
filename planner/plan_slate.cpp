// SPDX-License-Identifier: GPL-3.0-or-later
// The slate: see plan_slate.h.
#include "planner/plan_slate.h"

#include "bathyra_version.h"
#include "device/safe_file.h"
#include "planner/dive_parameters.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <functional>
#include <map>

namespace planner
{

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("planner", text);
}

QString num(double v, int decimals = 1)
{
    return QLocale().toString(v, 'f', decimals).remove(QRegExp(QStringLiteral("[.,]0+$")));
}

// Pressures in bar keep their two decimals (1.60, not 1.6).
QString fixed(double v)
{
    return QLocale().toString(v, 'f', 2);
}

constexpr double Width = 1000; // layout units across the page
constexpr double Margin = 40;  // around the page
constexpr double Font = 17;    // body text, units
constexpr double Line = 23;    // a text line, units

struct Cell {
    QString text;
    bool bold = false;
    bool alarm = false; // red, bold and marked
};

// A block of the page: a title, free lines, or a table with a header row.
struct Block {
    QString title;
    QStringList lines;
    QVector<double> widths; // of the table's columns, units
    QStringList header;
    QVector<QVector<Cell>> rows;
    QVector<bool> fullRows; // a row whose single cell spans the table (a switch line)
    int headerLines = 1;    // the header's lines (its texts wrap)
    int lineLines = 1;      // lines of each free line (they wrap)

    double height() const
    {
        double h = title.isEmpty() ? 0 : Line * 1.3;
        h += lines.size() * Line * lineLines;
        if (!header.isEmpty())
            h += Line * (rows.size() + headerLines) + 4;
        return h + Line * 0.6;
    }
};

QVector<Block> layout(const PlanSet& set)
{
    QVector<Block> blocks;
    const PlanRequest& q = set.request;
    const ConfigImage& im = q.image;
    const ContingencyRow* base = set.rows.isEmpty() ? nullptr : &set.rows[0];

    // Header.
    Block head;
    head.title = set.replayed
                     ? tr("Dive plan")
                     : tr("Dive plan: %1 m, %2 min").arg(num(q.depthMetres), num(q.bottomMinutes));
    QString model = base ? base->figures.model : QString();
    model.remove(QRegExp(QStringLiteral("<[^>]*>")));
    head.lines << tr("Model: %1").arg(model.trimmed())
               << tr("Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min")
                      .arg(q.surfaceMbar)
                      .arg(im.cf(Cf::BottomGasUsage))
                      .arg(im.cf(Cf::AscentGasUsage))
               << (im.isCcr()
                       ? tr("Closed circuit, setpoint %1 bar").arg(fixed(im.setpoint(1) / 100.0))
                       : tr("Open circuit")) +
                      QStringLiteral("    ") +
                      tr("Configuration firmware %1").arg(firmwareText(im));
    blocks << head;

    // Gases.
    Block gases;
    gases.title = tr("Gases (MOD at ppO2 %1 bar)").arg(fixed(im.cf(Cf::PpO2High) / 100.0));
    gases.widths = {200, 160, 200, 360};
    gases.header = QStringList{tr("Gas"), tr("MOD"), tr("Switch depth"), tr("Cylinder")};
    const int first = im.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n) {
        if (!im.gasActive(n) && n != first)
            continue;
        const CylinderInputs& c = set.options.cylinders;
        gases.rows << QVector<Cell>{
            {gasName(im, n), n == first},
            {tr("%1 m").arg(gasModMetres(q, n))},
            {n == first ? tr("first gas") : tr("%1 m").arg(im.gasDepth(n))},
            {c.has(n) ? tr("%1 l, %2 bar").arg(c.litres[n - 1]).arg(c.fillBar[n - 1])
                      : QStringLiteral("-")}};
        gases.fullRows << false;
    }
    blocks << gases;

    // Runtime of the base plan, the variants' runtimes at the same depths beside it.
    if (base && base->error.isEmpty()) {
        Block rt;
        rt.title = tr("Runtime");
        rt.header = QStringList{tr("Depth"), tr("Stop"), tr("Run"), tr("Gas"), tr("ppO2")};
        rt.widths = {90, 80, 80, 130, 80};
        QVector<const ContingencyRow*> others;
        for (int i = 1; i < set.rows.size(); ++i) {
            others << &set.rows[i];
            rt.header << set.rows[i].name;
        }
        const double rest = Width - 2 * Margin - 460;
        for (int i = 0; i < others.size(); ++i)
            rt.widths << rest / std::max(1, static_cast<int>(others.size()));
        // The runtime at which each variant leaves a depth (its stop there, or its bottom).
        QVector<std::map<int, float>> leave(others.size());
        for (int i = 0; i < others.size(); ++i)
            for (const RuntimeLine& l : runtimeLines(*others[i], q))
                if (l.kind == RuntimeLine::Stop || l.kind == RuntimeLine::Bottom ||
                    l.kind == RuntimeLine::Surface)
                    leave[i][static_cast<int>(l.depthMetres + 0.5f)] = l.runtimeMinutes;
        rt.headerLines = others.isEmpty() ? 1 : 2;
        const auto variantCells = [&](QVector<Cell>& row, int d) {
            for (int i = 0; i < others.size(); ++i) {
                const auto f = leave[i].find(d);
                row << Cell{f == leave[i].end() ? QStringLiteral("-") : num(f->second, 0)};
            }
        };
        // Depths where only variants stay (deeper bottoms, deeper first stops), in order.
        std::map<int, bool, std::greater<int>> variantOnly;
        for (const auto& m : leave)
            for (const auto& e : m)
                variantOnly[e.first] = true;
        const QVector<RuntimeLine> baseLines = runtimeLines(*base, q);
        for (const RuntimeLine& l : baseLines)
            if (l.kind != RuntimeLine::Descent && l.kind != RuntimeLine::Ascent)
                variantOnly.erase(static_cast<int>(l.depthMetres + 0.5f));
        const auto flushDeeperThan = [&](int d) {
            while (!variantOnly.empty() && variantOnly.begin()->first > d) {
                const int v = variantOnly.begin()->first;
                QVector<Cell> row{{tr("%1 m").arg(v), true}, {}, {}, {}, {}};
                variantCells(row, v);
                rt.rows << row;
                rt.fullRows << false;
                variantOnly.erase(variantOnly.begin());
            }
        };
        for (const RuntimeLine& l : baseLines) {
            if (l.kind == RuntimeLine::Descent || l.kind == RuntimeLine::Ascent)
                continue;
            flushDeeperThan(static_cast<int>(l.depthMetres + 0.5f));
            if (l.kind == RuntimeLine::Switch) {
                rt.rows << QVector<Cell>{{tr("switch to %1 at %2 m before the stop")
                                              .arg(l.gasName.isEmpty() ? tr("the loop") : l.gasName)
                                              .arg(num(l.depthMetres, 0)),
                                          true}};
                rt.fullRows << true;
                continue;
            }
            const int d = static_cast<int>(l.depthMetres + 0.5f);
            QVector<Cell> row{
                {tr("%1 m").arg(d), true},
                {l.kind == RuntimeLine::Surface ? QString() : num(l.minutes, 0)},
                {num(l.runtimeMinutes, 0), true},
                {l.gasName.isEmpty() ? tr("loop %1").arg(fixed(l.setpointBar)) : l.gasName},
                {fixed(l.ppO2Bar)}};
            variantCells(row, d);
            rt.rows << row;
            rt.fullRows << false;
        }
        blocks << rt;
    }

    // The variants' figures.
    Block var;
    var.title = tr("Contingencies");
    if (set.options.cylinders.any())
        var.lines << tr("Bar used per cylinder; \"!\" breaks the reserve rule (use %1)")
                         .arg(reserveRuleName(set.options.cylinders.rule));
    var.header =
        QStringList{tr("Variant"), tr("Run"), tr("TTS"), tr("1st stop"), tr("CNS"), tr("ppO2")};
    var.widths = {150, 60, 55, 95, 60, 60};
    var.headerLines = 2;
    // A column of litres (and bar) for each gas of the plan.
    QVector<int> used;
    for (int n = 1; n <= 5; ++n)
        if (base && !base->gasNames[n - 1].isEmpty())
            used << n;
    for (int n : used) {
        var.header << (set.options.cylinders.has(n) ? tr("%1 l / bar") : tr("%1 l"))
                          .arg(base->gasNames[n - 1]);
        var.widths << (Width - 2 * Margin - 480) / used.size();
    }
    for (const ContingencyRow& r : set.rows) {
        if (!r.error.isEmpty()) {
            var.rows << QVector<Cell>{{r.name + QStringLiteral(": ") + r.error, false, true}};
            var.fullRows << true;
            continue;
        }
        var.rows << QVector<Cell>{{r.name, true},
                                  {num(r.runtimeMinutes, 0)},
                                  {QString::number(r.ttsMinutes)},
                                  {r.firstStopMetres ? tr("%1 m").arg(r.firstStopMetres) : "-"},
                                  {tr("%1 %").arg(num(r.cnsPercent, 0))},
                                  {fixed(r.maxPpO2Bar)}};
        for (int n : used) {
            const int k = n - 1;
            QString t = QString::number(r.gasLitres[k]);
            if (set.options.cylinders.has(n))
                t += QStringLiteral(" / %1%2").arg(num(r.barUsed[k], 0),
                                                   r.reserveBroken[k] ? QStringLiteral(" !") : "");
            var.rows.last() << Cell{t, false, r.reserveBroken[k]};
        }
        var.fullRows << false;
    }
    blocks << var;

    // Footer.
    Block foot;
    foot.lineLines = 2;
    foot.lines << tr("Bathyra %1, %2")
                      .arg(QStringLiteral(BATHYRA_VERSION BATHYRA_VERSION_SUFFIX),
                           QLocale().toString(set.created, QLocale::ShortFormat))
               << tr("These are the dive computer's own computations, made by Bathyra with "
                     "the computer's decompression code.");
    blocks << foot;
    return blocks;
}

void paintCell(QPainter& p, const QRectF& r, const Cell& c)
{
    QFont f = p.font();
    f.setBold(c.bold || c.alarm);
    p.setFont(f);
    p.setPen(c.alarm ? QColor(200, 0, 0) : Qt::black);
    p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(c.text, Qt::ElideRight, int(r.width() - 8)));
    p.setPen(Qt::black);
}

} // namespace

void paintSlate(QPainter& p, const QRectF& page, const PlanSet& set)
{
    const QVector<Block> blocks = layout(set);
    double height = 2 * Margin;
    for (const Block& b : blocks)
        height += b.height();
    const double scale = std::min(page.width() / Width, page.height() / height);

    p.save();
    p.fillRect(page, Qt::white);
    p.translate(page.topLeft());
    p.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(Font));
    p.setFont(font);
    p.setPen(Qt::black);

    double y = Margin;
    const double x0 = Margin, w = Width - 2 * Margin;
    for (const Block& b : blocks) {
        if (!b.title.isEmpty()) {
            QFont t = font;
            t.setBold(true);
            t.setPixelSize(int(Font * 1.2));
            p.setFont(t);
            p.drawText(QRectF(x0, y, w, Line * 1.3), Qt::AlignLeft | Qt::AlignVCenter, b.title);
            p.setFont(font);
            y += Line * 1.3;
        }
        for (const QString& l : b.lines) {
            const double h = Line * b.lineLines;
            p.drawText(QRectF(x0, y, w, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, l);
            y += h;
        }
        if (!b.header.isEmpty()) {
            double x = x0;
            const double hh = Line * b.headerLines;
            QFont bold = font;
            bold.setBold(true);
            p.setFont(bold);
            for (int c = 0; c < b.header.size(); ++c) {
                const QRectF r(x + 4, y, b.widths[c] - 8, hh);
                if (b.headerLines > 1)
                    p.drawText(r, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, b.header[c]);
                else
                    paintCell(p, QRectF(x, y, b.widths[c], hh), Cell{b.header[c], true});
                x += b.widths[c];
            }
            p.setFont(font);
            y += hh;
            p.setPen(QPen(Qt::black, 1.5));
            p.drawLine(QPointF(x0, y + 1), QPointF(x0 + w, y + 1));
            p.setPen(Qt::black);
            y += 4;
            for (int r = 0; r < b.rows.size(); ++r) {
                if (r % 2 == 1 && !b.fullRows[r])
                    p.fillRect(QRectF(x0, y, w, Line), QColor(235, 235, 235));
                if (b.fullRows[r]) {
                    paintCell(p, QRectF(x0 + 20, y, w - 20, Line), b.rows[r][0]);
                } else {
                    x = x0;
                    for (int c = 0; c < b.rows[r].size() && c < b.widths.size(); ++c) {
                        paintCell(p, QRectF(x, y, b.widths[c], Line), b.rows[r][c]);
                        x += b.widths[c];
                    }
                }
                y += Line;
            }
            p.setFont(font);
        }
        y += Line * 0.6;
    }
    p.restore();
}

QPageSize::PageSizeId slatePageSize(const QString& name, bool* known)
{
    const QString n = name.toLower();
    const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {
        {"a4", QPageSize::A4},
        {"a5", QPageSize::A5},
        {"letter", QPageSize::Letter},
        {"half-letter", QPageSize::Statement}};
    for (const auto& s : sizes)
        if (n == QLatin1String(s.first)) {
            if (known)
                *known = true;
            return s.second;
        }
    if (known)
        *known = false;
    return QPageSize::A4;
}

void saveSlate(const QString& path, const PlanSet& set, QPageSize::PageSizeId size)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QPageSize page(size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "pdf") {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(page);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setTitle(tr("Dive plan"));
        pdf.setCreator(QStringLiteral("Bathyra " BATHYRA_VERSION));
        QPainter p(&pdf);
        paintSlate(p, QRectF(0, 0, pdf.width(), pdf.height()), set);
    } else if (suffix == "svg") {
        const QSize px = page.sizePixels(96);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(px);
        svg.setViewBox(QRect(QPoint(0, 0), px));
        svg.setResolution(96);
        svg.setTitle(tr("Dive plan"));
        QPainter p(&svg);
        paintSlate(p, QRectF(QPointF(0, 0), px), set);
    } else if (suffix == "png") {
        QImage image(page.sizePixels(150), QImage::Format_RGB32);
        image.setDotsPerMeterX(int(150 / 0.0254));
        image.setDotsPerMeterY(int(150 / 0.0254));
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            paintSlate(p, QRectF(image.rect()), set);
        }
        image.save(&buffer, "PNG");
    } else {
        throw tr("Cannot write '%1': slates end in .pdf, .svg or .png").arg(path);
    }
    buffer.close();
    SafeFile::save(path, bytes);
}

} // namespace planner
