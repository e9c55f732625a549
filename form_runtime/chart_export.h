#pragma once

#include <QImage>
#include <QString>

class QByteArray;
class QIODevice;
class QWidget;

namespace form_runtime {

class ChartSurface;

// The drawing of a chart, without its border, at `scale` times its logical
// size: a picture to put into a document.
QImage chartImage(const ChartSurface &chart, qreal scale);

// The drawing as an SVG document: one line or circle element for every stroke,
// in the chart's own colours, over its background, clipped to the drawing area.
QByteArray chartSvg(const ChartSurface &chart);

// Writes the drawing to `device` as PNG (at four times the logical size), SVG
// or PDF, as `suffix` says ("png", "svg" or "pdf"). Returns the reason when it
// could not be written, else an empty string.
QString writeChart(const ChartSurface &chart, const QString &suffix, QIODevice &device);

// Writes the drawing to `fileName` as PNG (at four times the logical size),
// SVG or PDF, by the name's ending. The file appears whole or not at all.
// Returns the reason when it could not be written, else an empty string.
QString saveChart(const ChartSurface &chart, const QString &fileName);

// Saves as saveChart does; when the file cannot be written, one message says
// which file and why.
void saveChartAs(const ChartSurface &chart, const QString &fileName);

// Adds "Copy picture" and "Save picture as…" to the chart's context menu. The
// file dialog starts in the user's pictures folder with `fileBaseName`.
void addPictureMenu(ChartSurface &chart, const QString &fileBaseName);
// The file name the chart's pictures are offered under.
QString pictureFileName(const ChartSurface &chart);

} // namespace form_runtime
