#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

class QTimer;
class PropertyBag;
struct AmbientProperties;

// The program's own push button: draws itself completely into a persistent image, tracks the
// pointer with a timer for its hover look and raises its own Click.
//
// Booleans of its state and properties are 16-bit values, true = -1 and false = 0.
// Colours are 0x00BBGGRR; a value with the top bit set names a system colour.
class XPButtonX : public QWidget {
    Q_OBJECT

public:
    explicit XPButtonX(QWidget *parent = nullptr);
    ~XPButtonX() override;

    // --- properties -------------------------------------------------------------------
    std::int16_t Enabled() const { return m_enabledValue; }
    void setEnabledProperty(std::int16_t newValue);

    QFont Font() const;
    void setFontProperty(const QFont &newValue);

    QString Caption() const { return m_captionText; }
    void setCaption(const QString &newValue);

    std::uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(std::uint32_t newValue);

    std::uint32_t ForeHover() const { return m_foreHoverColor; }
    void setForeHover(std::uint32_t newValue);

    // Clicks the button the way Space does (its release raises Click), for assistive
    // technology; a disabled button ignores it.
    void press();

    // --- persistence (the container's property store) ----------------------------------
    void InitProperties(const AmbientProperties &ambient);
    void ReadProperties(const PropertyBag &bag, const AmbientProperties &ambient);
    void WriteProperties(PropertyBag &bag, const AmbientProperties &ambient) const;

    // --- drawing ------------------------------------------------------------------------
    // 1 asks for the pressed look, anything else for the unpressed look.
    void PaintButton(std::int16_t pressed);
    // The persistent image the control shows (what paintEvent copies).
    const QImage &image() const { return m_image; }
    // The caption rectangle the last DrawCaption computed (for tests and diagnostics).
    QRect lastCaptionRect() const { return m_lastCaptionRect; }
    // A colour of the 0x00BBGGRR form, with system colours resolved through this widget's palette.
    QColor resolveColor(std::uint32_t value) const;

    // --- state, read-only for tests ----------------------------------------------------
    std::int16_t hovering() const { return m_hovering; }
    std::int16_t moveLatch() const { return m_moveLatch; }
    std::int16_t focusedState() const { return m_focused; }
    std::int16_t lastButton() const { return m_lastButton; }
    std::int16_t lastKeyCode() const { return m_lastKeyCode; }
    QChar accessKey() const { return m_accessKey; }
    QTimer *hoverTimer() const { return m_hoverTimer; }

signals:
    // The nine events, in their declared order. Parameters are passed by reference so that a
    // directly connected slot can change them, as the control's handlers expect.
    void Click();
    void MouseDown(std::int16_t &Button, std::int16_t &Shift, float &X, float &Y);
    void MouseMove(std::int16_t &Button, std::int16_t &Shift, float &X, float &Y);
    void MouseUp(std::int16_t &Button, std::int16_t &Shift, float &X, float &Y);
    void KeyPress(std::int16_t &KeyAscii);
    void KeyDown(std::int16_t &KeyCode, std::int16_t &Shift);
    void KeyUp(std::int16_t &KeyCode, std::int16_t &Shift);
    void MouseOver();
    void MouseOut();

    // The container's stored data changed: the named property is to be saved with it.
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Paint steps.
    void DrawNormalFace();
    void DrawPressedFace();
    void DrawDisabledFace();
    void DrawOuterFrame();
    void DrawFocusRim();
    void DrawHoverRim();
    void DrawCaption();
    void ApplyWindowShape();

    // Notification handlers, one per notification of the control's window and timer.
    void HoverTimer_Timer();
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void UserControl_KeyPress(std::int16_t KeyAscii);
    void UserControl_KeyUp(std::int16_t KeyCode, std::int16_t Shift);
    void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_AccessKeyPress(std::int16_t KeyAscii);
    void UserControl_Resize();

    // Takes the client rectangle and the drawing edges from the window's current size.
    void readClientRect();

    std::int16_t IsMouseOver() const;
    void UpdateAccessKey();
    void refreshNow();
    // Lets the events already waiting be handled (the release of this very press among them).
    // False when the button did not survive it.
    bool yieldToPendingEvents();

    // Input plumbing around the handlers above.
    void registerAccessKey();
    void followFocus(QWidget *previous, QWidget *current);
    bool pointerKnownToRest();
    void sendTabKey(bool forward);

    // Instance state.
    QRect m_clientRect;
    int m_shapeWidth = 0;
    int m_shapeHeight = 0;
    std::int16_t m_hovering = 0;
    std::int16_t m_moveLatch = 0;
    std::int16_t m_focused = 0;
    std::int16_t m_lastButton = 0;
    std::int16_t m_lastKeyCode = 0;
    int m_edgeRight = 0;
    int m_edgeLeft = 0;
    int m_edgeTop = 0;
    int m_edgeBottom = 0;
    std::int16_t m_enabledValue = -1;
    QString m_captionText;
    std::uint32_t m_foreHoverColor = 0;
    std::uint32_t m_foreColor = 0x80000012;

    QImage m_image;
    std::int16_t m_lastPaintPressed = 0; // the argument of the last PaintButton
    QRect m_lastCaptionRect;
    QChar m_accessKey;
    int m_shortcutId = 0;
    QTimer *m_hoverTimer = nullptr;

    // Input bookkeeping (xpbuttonx_input.cpp).
    int m_bareShortcutId = 0;        // the access key without Alt, live while a button has focus
    bool m_watchingFocus = false;    // followFocus is connected to the application
    bool m_clickArmed = false;       // a left press began on the control and no double click followed
    bool m_buttonHeld = false;       // a press is under way (its release not yet handled)
    bool m_capturing = false;        // the pointer is grabbed until the next release
    unsigned m_restingTicks = 0;     // hover ticks answered without asking the display server
};
