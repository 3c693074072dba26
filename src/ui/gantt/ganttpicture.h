#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;

namespace gantt {

class GanttChart;

// The charts a window shows, one under the other, each at least at its on-screen size and
// grown where it needs more (a whole title, a whole schedule): the picture that is copied to
// the clipboard or saved.
class GanttPicture {
public:
    explicit GanttPicture(QList<const GanttChart *> charts);

    QSize size() const;
    void paint(QPainter &painter) const;

    // At the given device pixel ratio, so that it is as sharp as the screen it came from.
    QImage toImage(qreal devicePixelRatio) const;

    // Writes an SVG file (texts stay texts) when the path ends in ".svg", else a PNG file.
    // False, with the reason in errorString, when the file cannot be written.
    bool save(const QString &path, qreal devicePixelRatio, QString *errorString) const;

private:
    bool saveSvg(const QString &path, QString *errorString) const;

    QList<const GanttChart *> m_charts;
};

// Where a picture is offered first: the user's pictures folder, else the home folder (a pictures
// folder that is not there would leave the file dialog in the working folder).
QString picturesFolder();

// Asks where to save a picture, as PNG or SVG; a name typed without its ending takes the one of
// the chosen type. Empty when the user cancels.
QString askPictureFile(QWidget *parent, const QString &suggested);

} // namespace gantt
