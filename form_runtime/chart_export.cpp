#include "form_runtime/chart_export.h"

#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/message_box.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include <algorithm>

namespace form_runtime {

namespace {

constexpr qreal kSavedImageScale = 4;
constexpr int kPdfResolution = 1200;

QSizeF drawingSize(const ChartSurface &chart)
{
    return chart.contentsRect().size();
}

QString svgColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb);
}

// Paints the background and the drawing into `size` logical pixels of a device.
void paintChart(const ChartSurface &chart, QPainter &painter, const QSizeF &size)
{
    const QRectF area(QPointF(0, 0), size);
    painter.fillRect(area, chart.background());
    chart.paintDrawing(painter, area);
}

QString pdfError(const QIODevice &device)
{
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    return file && file->error() != QFileDevice::NoError ? file->errorString()
                                                        : QStringLiteral("the PDF could not be written");
}

} // namespace

QImage chartImage(const ChartSurface &chart, qreal scale)
{
    const QSizeF size = drawingSize(chart);
    QImage image((size * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paintChart(chart, painter, size);
    return image;
}

QByteArray chartSvg(const ChartSurface &chart)
{
    const QSizeF size = drawingSize(chart);
    const QRectF area(QPointF(0, 0), size);
    // Far-off points are cut to a generous reach, so every stroke that crosses
    // the area is kept whole in view and no coordinate is astronomically large.
    const QColor foreground = chart.palette().color(QPalette::WindowText);
    const auto number = [](double v) { return QString::number(v, 'g', 8); };

    QByteArray svg;
    QXmlStreamWriter xml(&svg);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), number(size.width()));
    xml.writeAttribute(QStringLiteral("height"), number(size.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(number(size.width()), number(size.height())));
    xml.writeTextElement(QStringLiteral("title"), chart.accessibleName());
    if (!chart.description().isEmpty())
        xml.writeTextElement(QStringLiteral("desc"), chart.description());

    xml.writeStartElement(QStringLiteral("defs"));
    xml.writeStartElement(QStringLiteral("clipPath"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("area"));
    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), number(size.width()));
    xml.writeAttribute(QStringLiteral("height"), number(size.height()));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), number(size.width()));
    xml.writeAttribute(QStringLiteral("height"), number(size.height()));
    xml.writeAttribute(QStringLiteral("fill"), svgColour(chart.background()));

    const ChartDecor decor = decorate(chart, area);
    const QRectF plot = decor.plot;
    const QRectF reach = plot.adjusted(-1e4, -1e4, 1e4, 1e4);
    const auto lineElement = [&xml, &number](const QLineF &l, const QColor &colour, qreal width, ChartSurface::Dash dash) {
        xml.writeEmptyElement(QStringLiteral("line"));
        xml.writeAttribute(QStringLiteral("x1"), number(l.x1()));
        xml.writeAttribute(QStringLiteral("y1"), number(l.y1()));
        xml.writeAttribute(QStringLiteral("x2"), number(l.x2()));
        xml.writeAttribute(QStringLiteral("y2"), number(l.y2()));
        xml.writeAttribute(QStringLiteral("stroke"), svgColour(colour));
        if (width != 1)
            xml.writeAttribute(QStringLiteral("stroke-width"), number(width));
        if (dash != ChartSurface::Dash::Solid)
            xml.writeAttribute(QStringLiteral("stroke-dasharray"), dashArray(width, dash));
    };

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#area)"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    for (const ChartDecor::Line &l : decor.grid)
        lineElement(l.line, l.colour, l.width, l.dash);

    if (plot != area) {
        xml.writeStartElement(QStringLiteral("svg")); // the strokes, cut to where they are drawn
        xml.writeAttribute(QStringLiteral("x"), number(plot.x()));
        xml.writeAttribute(QStringLiteral("y"), number(plot.y()));
        xml.writeAttribute(QStringLiteral("width"), number(plot.width()));
        xml.writeAttribute(QStringLiteral("height"), number(plot.height()));
        xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("%1 %2 %3 %4").arg(number(plot.x()), number(plot.y()),
                                                                                         number(plot.width()), number(plot.height())));
        xml.writeAttribute(QStringLiteral("overflow"), QStringLiteral("hidden"));
    }
    for (const auto &polyline : chart.polylines()) {
        const ChartSurface::Stroke &first = *polyline.front();
        const QColor colour = first.colour ? colourOf(*first.colour) : foreground;
        const qreal width = qreal(first.width) * chart.lineScale();
        if (first.shape == ChartSurface::Stroke::Shape::Circle) {
            const QPointF centre = ChartSurface::map(first.frame, first.x1, first.y1, plot);
            if (!reach.contains(centre))
                continue;
            xml.writeEmptyElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), number(centre.x()));
            xml.writeAttribute(QStringLiteral("cy"), number(centre.y()));
            xml.writeAttribute(QStringLiteral("r"), number(ChartSurface::circleRadius(first, plot)));
            xml.writeAttribute(QStringLiteral("stroke"), svgColour(colour));
            if (width != 1)
                xml.writeAttribute(QStringLiteral("stroke-width"), number(width));
            continue;
        }
        if (first.dash == ChartSurface::Dash::Solid) { // a line element a stroke
            for (const ChartSurface::Stroke *s : polyline) {
                QPointF a = ChartSurface::map(s->frame, s->x1, s->y1, plot);
                QPointF b = ChartSurface::map(s->frame, s->x2, s->y2, plot);
                if (ChartSurface::clip(a, b, reach))
                    lineElement({a, b}, colour, width, first.dash);
            }
            continue;
        }
        QStringList points; // dashes run on along the whole line
        for (std::size_t i = 0; i <= polyline.size(); ++i) {
            const ChartSurface::Stroke &s = *polyline[std::min(i, polyline.size() - 1)];
            const QPointF p = i < polyline.size() ? ChartSurface::map(s.frame, s.x1, s.y1, plot)
                                                  : ChartSurface::map(s.frame, s.x2, s.y2, plot);
            if (reach.contains(p))
                points << number(p.x()) + QLatin1Char(',') + number(p.y());
        }
        xml.writeEmptyElement(QStringLiteral("polyline"));
        xml.writeAttribute(QStringLiteral("points"), points.join(QLatin1Char(' ')));
        xml.writeAttribute(QStringLiteral("stroke"), svgColour(colour));
        xml.writeAttribute(QStringLiteral("stroke-width"), number(width));
        xml.writeAttribute(QStringLiteral("stroke-dasharray"), dashArray(width, first.dash));
    }
    if (plot != area)
        xml.writeEndElement();

    for (const ChartDecor::Line &l : decor.lines)
        lineElement(l.line, l.colour, l.width, l.dash);
    for (const ChartDecor::Mark &m : decor.marks) {
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), number(m.centre.x()));
        xml.writeAttribute(QStringLiteral("cy"), number(m.centre.y()));
        xml.writeAttribute(QStringLiteral("r"), number(m.radius));
        xml.writeAttribute(QStringLiteral("stroke"), svgColour(m.colour));
        xml.writeAttribute(QStringLiteral("stroke-width"), number(m.width));
    }
    // Each text as text, its lines one below the other, on its background where it has one.
    const QFontMetricsF metrics(decor.font);
    const qreal pad = decor.lineHeight * 0.12;
    for (const ChartDecor::Text &t : decor.texts) {
        if (t.onBackground) {
            const QRectF box = t.box.adjusted(-pad, 0, pad, 0);
            xml.writeEmptyElement(QStringLiteral("rect"));
            xml.writeAttribute(QStringLiteral("x"), number(box.x()));
            xml.writeAttribute(QStringLiteral("y"), number(box.y()));
            xml.writeAttribute(QStringLiteral("width"), number(box.width()));
            xml.writeAttribute(QStringLiteral("height"), number(box.height()));
            xml.writeAttribute(QStringLiteral("fill"), svgColour(chart.background()));
            xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        }
        const QStringList lines = t.text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const bool right = t.align & Qt::AlignRight, centre = t.align & Qt::AlignHCenter;
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"), number(right ? t.box.right() : centre ? t.box.center().x() : t.box.left()));
            xml.writeAttribute(QStringLiteral("y"), number(t.box.top() + metrics.ascent() + i * decor.lineHeight));
            if (right || centre)
                xml.writeAttribute(QStringLiteral("text-anchor"), right ? QStringLiteral("end") : QStringLiteral("middle"));
            xml.writeAttribute(QStringLiteral("font-family"), decor.font.family());
            xml.writeAttribute(QStringLiteral("font-size"), number(QFontInfo(decor.font).pixelSize()));
            xml.writeAttribute(QStringLiteral("fill"), svgColour(t.colour));
            xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
            xml.writeCharacters(lines[i]);
            xml.writeEndElement();
        }
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return svg;
}

QString writeChart(const ChartSurface &chart, const QString &suffix, QIODevice &device)
{
    if (suffix == QLatin1String("svg")) {
        const QByteArray svg = chartSvg(chart);
        return device.write(svg) == svg.size() ? QString() : device.errorString();
    }
    if (suffix == QLatin1String("pdf")) {
        const QSizeF size = drawingSize(chart);
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Ventrolex"));
        pdf.setTitle(chart.accessibleName());
        pdf.setResolution(kPdfResolution);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        // Logical pixels are 1/96 inch, so the page is the chart's size on screen.
        pdf.setPageSize(QPageSize(size * 72 / 96, QPageSize::Point, QString(), QPageSize::ExactMatch));
        QPainter painter;
        if (!painter.begin(&pdf))
            return pdfError(device);
        painter.scale(qreal(kPdfResolution) / 96, qreal(kPdfResolution) / 96);
        paintChart(chart, painter, size);
        painter.end();
        return QString();
    }
    if (!chartImage(chart, kSavedImageScale).save(&device, "PNG"))
        return QStringLiteral("the PNG image could not be written");
    return QString();
}

QString saveChart(const ChartSurface &chart, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString reason = writeChart(chart, QFileInfo(fileName).suffix().toLower(), file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void saveChartAs(const ChartSurface &chart, const QString &fileName)
{
    const QString reason = saveChart(chart, fileName);
    if (!reason.isEmpty())
        MsgBox(QStringLiteral("The picture could not be saved as %1: %2.").arg(QDir::toNativeSeparators(fileName), reason),
               chart.window());
}

QString pictureFileName(const ChartSurface &chart)
{
    return chart.property("pictureFileName").toString();
}

void addPictureMenu(ChartSurface &chart, const QString &fileBaseName)
{
    chart.setProperty("pictureFileName", fileBaseName);
    auto *copy = new QAction(QStringLiteral("Copy picture"), &chart);
    QObject::connect(copy, &QAction::triggered, &chart, [&chart] {
        auto *data = new QMimeData;
        // Twice as sharp as the screen, so that it stays sharp in a document.
        data->setImageData(chartImage(chart, 2 * chart.devicePixelRatioF()));
        data->setText(chart.description());
        QGuiApplication::clipboard()->setMimeData(data);
    });
    chart.addMenuAction(copy);

#ifdef Q_OS_WASM
    // A page cannot write files: in a browser the picture is downloaded, and
    // the browser decides where it goes. One entry a format, as nested menus
    // do not take the pointer there.
    for (const auto &[label, suffix] : {std::pair{"Download as PNG image", "png"},
                                        {"Download as SVG drawing", "svg"},
                                        {"Download as PDF document", "pdf"}}) {
        auto *download = new QAction(QString::fromUtf8(label), &chart);
        QObject::connect(download, &QAction::triggered, &chart,
                         [&chart, fileBaseName, suffix = QString::fromLatin1(suffix)] {
                             QBuffer content;
                             content.open(QIODevice::WriteOnly);
                             if (writeChart(chart, suffix, content).isEmpty())
                                 QFileDialog::saveFileContent(content.data(), fileBaseName + u'.' + suffix, &chart);
                         });
        chart.addMenuAction(download);
    }
#else
    auto *save = new QAction(QStringLiteral("Save picture as…"), &chart);
    QObject::connect(save, &QAction::triggered, &chart, [&chart, fileBaseName] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const QString png = QStringLiteral("PNG image (*.png)");
        const QString svg = QStringLiteral("SVG drawing (*.svg)");
        const QString pdf = QStringLiteral("PDF document (*.pdf)");
        QString filter = png;
        QString fileName = QFileDialog::getSaveFileName(
            &chart, QStringLiteral("Save picture as"), QDir(folder).filePath(fileBaseName + QStringLiteral(".png")),
            QStringList{png, svg, pdf}.join(QStringLiteral(";;")), &filter);
        if (fileName.isEmpty())
            return;
        // A name without one of the three endings gets the chosen type's.
        const QString suffix = QFileInfo(fileName).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf"))
            fileName += filter == svg ? QStringLiteral(".svg") : filter == pdf ? QStringLiteral(".pdf")
                                                                               : QStringLiteral(".png");
        saveChartAs(chart, fileName);
    });
    chart.addMenuAction(save);
#endif
}

} // namespace form_runtime
