#pragma once

#include <QMessageBox>

// The program's message box: centred by its frame over the window it belongs to (over the
// active window while that one is not shown yet) and as wide as its one-line text needs, up to
// three quarters of the screen, where QMessageBox would wrap anything wider than 500 pixels.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(Icon icon, const QString &title, const QString &text, QWidget *parent);

    // The window the box is centred over, nullptr for the screen.
    static QWidget *anchorFor(QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitTextOnOneLine();
    void placeOverAnchor();
};
