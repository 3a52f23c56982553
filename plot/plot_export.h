// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a plot as an image: the file dialog's filter and the extension rules, the
// place where script saves go, and the rendering to SVG, PDF or a raster image
// (TIFF, PNG, JPEG) chosen by the file name's ending.
//
// Entry points: imageFileFilter, filterExtension, fileNameForFilter, documentsImagePath,
// rasterImageSize, renderPlotToFile.
#pragma once

#include <QSize>
#include <QString>

class QwtPlot;

namespace plotexport
{

// "Jpeg image (*.jpg;*.jpeg);;PNG image (*.png);;..." with translated format names.
QString imageFileFilter();
// ".jpeg" for "Jpeg image (*.jpg;*.jpeg)": a dot and the text after the filter's last
// dot up to the closing parenthesis. Empty when the filter has no such part.
QString filterExtension(const QString& filter);
// The chosen name with the filter's extension appended, unless it already ends with
// that extension, ".jpg" or ".tif".
QString fileNameForFilter(const QString& name, const QString& filter);
// Where a script's image name goes: the documents folder + "/" + the cleaned name.
// Leading ".." segments are dropped, so a name can never leave the documents folder.
// Throws a QString for a name that names no file.
QString documentsImagePath(const QString& name);
// Pixel size of a raster export: 1280 x 720 for ".tif"/".tiff", else 800 x 450.
QSize rasterImageSize(const QString& fileName);
// Text identifying the program in the files' metadata.
QString programAddress();
// The plot title as plain text (document names, image text keys).
QString plotTitleText(const QwtPlot* plot);
// Renders the plot into the file; the ending picks the format. A raster image that
// cannot be written throws the image writer's error text as a QString.
void renderPlotToFile(QwtPlot* plot, const QString& fileName);

} // namespace plotexport
