#pragma once

#include <QGroupBox>

// A frame of the main window as the layout was designed for: the caption sits on the border
// line, the border runs at the caption's middle height, and the inside is the window's own
// colour. Controls placed just below the caption then lie clear of the border.
class FrameBox : public QGroupBox {
    Q_OBJECT

public:
    explicit FrameBox(const QString &caption, QWidget *parent = nullptr);

    // The border's rectangle (its outer, shadow line) and the caption's, in widget coordinates.
    QRect borderRect() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBorder(QPainter &painter) const;
    void drawCaption(QPainter &painter) const;
};
