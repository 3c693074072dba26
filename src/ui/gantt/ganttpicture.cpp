#include "ui/gantt/ganttpicture.h"

#include "ui/gantt/ganttchart.h"
#include "ui/gantt/ganttlayout.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace gantt {

GanttPicture::GanttPicture(QList<const GanttChart *> charts)
    : m_charts(std::move(charts))
{
}

QSize GanttPicture::size() const
{
    QSize total(0, 0);
    for (const GanttChart *chart : m_charts) {
        const QSize picture = chart->pictureSize();
        total.setWidth(std::max(total.width(), picture.width()));
        total.setHeight(total.height() + picture.height());
    }
    return total;
}

void GanttPicture::paint(QPainter &painter) const
{
    // Every chart as wide as the widest, each as high as it needs at that width.
    const int width = size().width();
    int top = 0;
    for (const GanttChart *chart : m_charts) {
        const QSize picture = chart->pictureSize();
        const QSize area(width, picture.height());
        painter.save();
        painter.translate(0, top);
        chart->paint(painter, area);
        painter.restore();
        top += picture.height();
    }
}

QImage GanttPicture::toImage(qreal devicePixelRatio) const
{
    const QSize logical = size();
    QImage image(static_cast<int>(std::ceil(logical.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(logical.height() * devicePixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

bool GanttPicture::save(const QString &path, qreal devicePixelRatio, QString *errorString) const
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return saveSvg(path, errorString);
    QImageWriter writer(path, "png");
    if (writer.write(toImage(devicePixelRatio)))
        return true;
    if (errorString)
        *errorString = writer.errorString();
    return false;
}

bool GanttPicture::saveSvg(const QString &path, QString *errorString) const
{
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size());
    generator.setViewBox(QRect(QPoint(0, 0), size()));
    generator.setTitle(formunits::toQString(ganttlayout::kWindowTitle));
    QPainter painter;
    if (!painter.begin(&generator)) {
        if (errorString)
            *errorString = QStringLiteral("cannot open %1 for writing").arg(path);
        return false;
    }
    paint(painter);
    return painter.end();
}

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() || !QDir(pictures).exists() ? QDir::homePath() : pictures;
}

QString askPictureFile(QWidget *parent, const QString &suggested)
{
    const QString png = ganttlayout::text(ganttlayout::kPngFilter);
    const QString svg = ganttlayout::text(ganttlayout::kSvgFilter);
    QString chosenFilter = png;
    QString path = QFileDialog::getSaveFileName(parent, ganttlayout::text(ganttlayout::kSaveDialogTitle), suggested,
                                                png + QStringLiteral(";;") + svg, &chosenFilter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    return path;
}

} // namespace gantt
