// SPDX-License-Identifier: GPL-3.0-or-later
// Plot export: see plot_export.h.
#include "plot/plot_export.h"

#include "device/safe_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTextDocument>

#include <qwt_plot.h>
#include <qwt_plot_renderer.h>
#include <qwt_text.h>

namespace plotexport
{

QString imageFileFilter()
{
    return QCoreApplication::translate("PlotInterface", "Jpeg image", "file format") +
           " (*.jpg;*.jpeg);;" +
           QCoreApplication::translate("PlotInterface", "PNG image", "file format") + " (*.png);;" +
           QCoreApplication::translate("PlotInterface", "TIFF image", "file format") +
           " (*.tif;*.tiff);;" +
           QCoreApplication::translate("PlotInterface", "PDF file", "file format") + " (*.pdf);;" +
           QCoreApplication::translate("PlotInterface", "SVG file", "file format") + " (*.svg)";
}

QString filterExtension(const QString& filter)
{
    const int dot = filter.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    int end = filter.indexOf(QLatin1Char(')'), dot);
    if (end < 0)
        end = filter.size();
    const QString ext = filter.mid(dot + 1, end - dot - 1);
    return ext.isEmpty() ? QString() : QLatin1Char('.') + ext;
}

QString fileNameForFilter(const QString& name, const QString& filter)
{
    const QString ext = filterExtension(filter);
    if (ext.isEmpty() || name.endsWith(ext) || name.endsWith(QLatin1String(".jpg")) ||
        name.endsWith(QLatin1String(".tif")))
        return name;
    return name + ext;
}

QString documentsImagePath(const QString& name)
{
    QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(name));
    // What is left of the name inside the documents folder: no root, no way up.
    while (cleaned.startsWith(QLatin1Char('/')))
        cleaned.remove(0, 1);
    while (cleaned == QLatin1String("..") || cleaned.startsWith(QLatin1String("../")))
        cleaned.remove(0, cleaned.size() > 2 ? 3 : 2);
    if (cleaned.isEmpty() || cleaned == QLatin1String(".") || cleaned.endsWith(QLatin1Char('/')))
        throw QCoreApplication::translate("PlotInterface", "No image file name: \"%1\"",
                                          "Save plot as image")
            .arg(name);
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
           cleaned;
}

QSize rasterImageSize(const QString& fileName)
{
    if (fileName.endsWith(QLatin1String(".tif")) || fileName.endsWith(QLatin1String(".tiff")))
        return QSize(1280, 720);
    return QSize(800, 450);
}

QString programAddress()
{
    return QStringLiteral("Bathyra - decompression planner for the OSTC");
}

QString plotTitleText(const QwtPlot* plot)
{
    QTextDocument doc;
    doc.setHtml(plot->title().text());
    return doc.toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

void renderPlotToFile(QwtPlot* plot, const QString& fileName)
{
    QwtPlotRenderer renderer;
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground, true);
    const QString title = plotTitleText(plot);

    // Each format is made in memory (PDF in a private temporary folder) and then saved
    // whole: a full disk must not leave half an image in place of the old one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);

    if (fileName.endsWith(QLatin1String(".svg"))) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(800, 450));
        generator.setViewBox(QRect(0, 0, 798, 448));
        generator.setTitle(title);
        generator.setDescription(programAddress());
        renderer.renderTo(plot, generator);
        SafeFile::save(fileName, bytes);
        return;
    }

    if (fileName.endsWith(QLatin1String(".pdf"))) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(title);
        printer.setCreator(programAddress());
        renderer.renderTo(plot, printer);
        // The printer does not report a failed write: a PDF without its trailer was cut.
        QFile made(pdf);
        if (!dir.isValid() || !made.open(QIODevice::ReadOnly))
            throw SafeFile::errorText(fileName, made.errorString());
        bytes = made.readAll();
        if (!bytes.trimmed().endsWith("%%EOF"))
            throw SafeFile::errorText(
                fileName,
                QCoreApplication::translate("PlotInterface", "the PDF could not be made in %1")
                    .arg(QDir::toNativeSeparators(QDir::tempPath())));
        SafeFile::save(fileName, bytes);
        return;
    }

    QImage image(rasterImageSize(fileName), QImage::Format_ARGB32);
    image.fill(QColor(255, 255, 255, 255));
    renderer.renderTo(plot, image);

    QImageWriter writer(&buffer, QFileInfo(fileName).suffix().toLower().toLatin1());
    writer.setCompression(1);
    writer.setQuality(95);
    writer.setText(QStringLiteral("Title"), title);
    writer.setText(QStringLiteral("Author"), programAddress());
    if (!writer.write(image))
        throw SafeFile::errorText(fileName, writer.errorString());
    SafeFile::save(fileName, bytes);
}

} // namespace plotexport
