#include "ui/button/xpbuttonx.h"

#include "engine/numeric.h"
#include "ui/button/ambientproperties.h"
#include "ui/button/buttoncanvas.h"
#include "ui/button/propertybag.h"
#include "ui/button/xpbuttonxaccessible.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>

#include <array>

namespace {

// Takes the given amounts off each channel of an opaque colour.
constexpr QRgb darker(QRgb c, int dr, int dg, int db)
{
    return qRgb(qRed(c) - dr, qGreen(c) - dg, qBlue(c) - db);
}

// A colour that darkens by fixed steps, row by row, until its blue falls below a floor.
struct Fade {
    QRgb start;
    int lowestBlue; // keeps darkening while blue >= this
    int stepRed;    // taken off each channel per row
    int stepGreen;
    int stepBlue;

    // The colour of the row after one in colour c.
    constexpr QRgb after(QRgb c) const
    {
        return qBlue(c) >= lowestBlue ? darker(c, stepRed, stepGreen, stepBlue) : c;
    }
};

// Every colour and step of the button's look, in one place.
namespace look {
constexpr QRgb background = 0xffffffff; // (255, 255, 255)

constexpr Fade normalGradient{0xfffffffd, 230, 1, 1, 1}; // from (255, 255, 253)
constexpr QRgb normalRowBMinus2 = 0xffd6d0c5;    // (214, 208, 197)
constexpr QRgb normalRowBMinus3 = 0xffe2dfd6;    // (226, 223, 214)
constexpr QRgb normalRowBMinus4 = 0xffecebe6;    // (236, 235, 230)

constexpr Fade pressedBand{0xffe2e1da, 218, 1, 1, 1}; // from (226, 225, 218)
constexpr int pressedBandStep = 4; // rows between band centres, and the band pen width
constexpr QRgb pressedRowTPlus1 = 0xffd1ccc0;  // (209, 204, 192)
constexpr QRgb pressedRowTPlus2 = 0xffdcd8cf;  // (220, 216, 207)
constexpr QRgb pressedRowBMinus3 = 0xffeae9e3; // (234, 233, 227)
constexpr QRgb pressedRowBMinus2 = 0xfff2f1ee; // (242, 241, 238)

constexpr QRgb disabledFill = 0xfff5f4ea;        // (245, 244, 234)
constexpr QRgb disabledOutline = 0xffc9c7ba;     // (201, 199, 186)
constexpr QRgb disabledOuterCorner = 0xffd8d5c7; // (216, 213, 199)
constexpr QRgb disabledInnerCorner = 0xffeae9de; // (234, 233, 222)
constexpr QRgb disabledCaption = 0xffa1a192;     // (161, 161, 146)

constexpr QRgb frame = 0xff003c74;         // (0, 60, 116)
constexpr QRgb frameBeside = 0xff7a95a8;   // (122, 149, 168)
constexpr QRgb frameDiagonal = 0xff255783; // (37, 87, 131)

constexpr QRgb focusRowTPlus1 = 0xffcee7fb;   // (206, 231, 251)
constexpr QRgb focusRowTPlus2 = 0xffbcd4f6;   // (188, 212, 246)
constexpr Fade focusSide{0xffbad3f6, 228, 4, 3, 1}; // from (186, 211, 246)
constexpr int focusSidePen = 2;
constexpr QRgb focusBottomEnds = 0xff4d7dc1;  // (77, 125, 193)
constexpr QRgb focusRowBMinus2 = 0xff617de5;  // (97, 125, 229)

constexpr QRgb hoverRowTPlus1 = 0xfffff0cf;   // (255, 240, 207)
constexpr QRgb hoverRowTPlus2 = 0xfffdd889;   // (253, 216, 137)
constexpr Fade hoverOuter{0xfffedf9a, 49, 1, 3, 7}; // from (254, 223, 154)
constexpr Fade hoverInner{0xfffcd279, 57, 1, 4, 8}; // from (252, 210, 121)
constexpr QRgb hoverRowBMinus2 = 0xffe59700;  // (229, 151, 0)
} // namespace look

// One rounded corner of the client area: the corner pixel itself and the directions (+1 or -1)
// towards the inside of the button.
struct Corner {
    int x = 0;
    int y = 0;
    int inwardX = 1;
    int inwardY = 1;
};

// Top left, top right, bottom left, bottom right; the bottom edge is the row above B.
std::array<Corner, 4> cornersOf(int L, int T, int R, int B)
{
    return {{{L, T, 1, 1}, {R, T, -1, 1}, {L, B - 1, 1, -1}, {R, B - 1, -1, -1}}};
}

// Rounds a corner off: the two pixels beside the corner and the one diagonally inside it.
void roundCorner(ButtonCanvas &canvas, const Corner &c, QRgb beside, QRgb diagonal)
{
    canvas.pixel(c.x, c.y + c.inwardY, beside);
    canvas.pixel(c.x + c.inwardX, c.y + c.inwardY, diagonal);
    canvas.pixel(c.x + c.inwardX, c.y, beside);
}

// Full-width bands from top to bottom (the last one starting at bottom at the latest), each
// `step` rows high and a little darker than the one above.
void drawFadingRows(ButtonCanvas &canvas, int left, int right, int top, int bottom, const Fade &fade,
                    int step = 1)
{
    QRgb c = fade.start;
    for (int y = top; y <= bottom; y += step) {
        canvas.line(left, y, right, y, c, step);
        c = fade.after(c);
    }
}

// The left and right columns of a rim, row by row from top to bottom (both included), each row
// a little darker than the one above. Returns the colour the next row would have had.
QRgb drawFadingColumns(ButtonCanvas &canvas, int leftX, int rightX, int top, int bottom,
                       const Fade &fade, int pen = 1)
{
    QRgb c = fade.start;
    for (int y = top; y <= bottom; ++y) {
        canvas.line(leftX, y, leftX, y + 1, c, pen);
        canvas.line(rightX, y, rightX, y + 1, c, pen);
        c = fade.after(c);
    }
    return c;
}

// Every face starts from a cleared image the size of the client area, at the device pixel
// ratio of the screen the button is on.
void beginSurface(QImage &image, int width, int height, qreal ratio)
{
    const QSize deviceSize(ButtonCanvas::deviceEdge(width, ratio), ButtonCanvas::deviceEdge(height, ratio));
    if (image.size() != deviceSize || image.devicePixelRatio() != ratio)
        image = ButtonCanvas::makeSurface(width, height, ratio);
    ButtonCanvas(image).clear(look::background);
}

// A stored colour may come back as any kind of number (or as text in the &H...& notation).
std::uint32_t colourValue(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QString) {
        QString text = value.toString().trimmed();
        bool ok = false;
        std::uint32_t parsed = 0;
        if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
            text = text.mid(2);
            if (text.endsWith(QLatin1Char('&')))
                text.chop(1);
            parsed = text.toUInt(&ok, 16);
        } else {
            parsed = static_cast<std::uint32_t>(text.toLongLong(&ok));
        }
        return ok ? parsed : 0;
    }
    return static_cast<std::uint32_t>(value.toLongLong() & 0xffffffffLL);
}

// Booleans are stored as -1/0; "True"/"False" and real booleans are read as well.
std::int16_t booleanValue(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return -1;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return 0;
    }
    return static_cast<std::int16_t>(value.toInt());
}

// The caption's rectangle lies on whole pixels, halves going to the even neighbour.
int wholePixels(double value)
{
    return static_cast<int>(engine::numeric::roundHalfEven(value));
}

} // namespace

XPButtonX::XPButtonX(QWidget *parent)
    : QWidget(parent)
{
    // The whole client area comes from the image, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    XPButtonXAccessible::installFactory();

    m_hoverTimer = new QTimer(this);
    m_hoverTimer->setInterval(1);
    connect(m_hoverTimer, &QTimer::timeout, this, &XPButtonX::HoverTimer_Timer);
    m_hoverTimer->start();
}

XPButtonX::~XPButtonX()
{
    m_hoverTimer->stop();
    // QWidget's destructor gives the focus away and the application announces that; by then
    // this is no longer an XPButtonX, so it must not hear of it.
    if (m_watchingFocus)
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

// --- properties ------------------------------------------------------------------------

void XPButtonX::setEnabledProperty(std::int16_t newValue)
{
    m_enabledValue = newValue;
    emit propertyChanged(QStringLiteral("Enabled"));
    // Qt tells assistive technology of the new enabled state itself.
    QWidget::setEnabled(newValue != 0);
    PaintButton(0);
}

QFont XPButtonX::Font() const
{
    return font();
}

void XPButtonX::setFontProperty(const QFont &newValue)
{
    setFont(newValue);
    PaintButton(0);
    emit propertyChanged(QStringLiteral("Font"));
}

void XPButtonX::setCaption(const QString &newValue)
{
    m_captionText = newValue;
    PaintButton(0);
    UpdateAccessKey();
    emit propertyChanged(QStringLiteral("Caption"));
    XPButtonXAccessible::captionChanged(this);
}

void XPButtonX::setForeColor(std::uint32_t newValue)
{
    m_foreColor = newValue;
    PaintButton(0);
    emit propertyChanged(QStringLiteral("ForeColor"));
}

void XPButtonX::setForeHover(std::uint32_t newValue)
{
    m_foreHoverColor = newValue;
    emit propertyChanged(QStringLiteral("ForeHover"));
}

void XPButtonX::press()
{
    // A disabled button takes no keys, so nothing presses it.
    if (!isEnabled())
        return;
    UserControl_AccessKeyPress(static_cast<std::int16_t>(m_accessKey.unicode()));
}

// --- persistence -------------------------------------------------------------------------

void XPButtonX::InitProperties(const AmbientProperties &ambient)
{
    setFont(ambient.font);
    m_captionText = QStringLiteral("Command") + ambient.displayName.mid(8);
    m_enabledValue = -1;
}

void XPButtonX::ReadProperties(const PropertyBag &bag, const AmbientProperties &ambient)
{
    m_enabledValue = booleanValue(bag.ReadProperty(QStringLiteral("Enabled"), -1));

    const QVariant storedFont = bag.ReadProperty(QStringLiteral("Font"), ambient.font);
    setFont(storedFont.canConvert<QFont>() ? storedFont.value<QFont>() : ambient.font);

    m_captionText = bag.ReadProperty(QStringLiteral("Caption"), ambient.displayName).toString();
    m_foreColor = colourValue(
        bag.ReadProperty(QStringLiteral("ForeColor"), static_cast<qlonglong>(ambient.foreColor)));
    m_foreHoverColor = colourValue(
        bag.ReadProperty(QStringLiteral("ForeHover"), static_cast<qlonglong>(m_foreColor)));
    QWidget::setEnabled(m_enabledValue != 0);
    UpdateAccessKey();
}

void XPButtonX::WriteProperties(PropertyBag &bag, const AmbientProperties &ambient) const
{
    bag.WriteProperty(QStringLiteral("Enabled"), static_cast<int>(m_enabledValue), -1);
    bag.WriteProperty(QStringLiteral("Font"), font(), ambient.font);
    bag.WriteProperty(QStringLiteral("Caption"), m_captionText, ambient.displayName);
    bag.WriteProperty(QStringLiteral("ForeColor"), static_cast<qlonglong>(m_foreColor));
    bag.WriteProperty(QStringLiteral("ForeHover"), static_cast<qlonglong>(m_foreHoverColor),
                      static_cast<qlonglong>(ambient.foreColor));
}

// --- window notifications ------------------------------------------------------------------

void XPButtonX::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another device pixel ratio, the window repaints everything: the
    // image is drawn again at the new ratio in the look it had.
    if (!m_image.isNull() && m_image.devicePixelRatio() != devicePixelRatio())
        PaintButton(m_lastPaintPressed);
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
}

void XPButtonX::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void XPButtonX::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PaintButton(0);
}

void XPButtonX::UserControl_Resize()
{
    readClientRect();
    PaintButton(0);
}

void XPButtonX::readClientRect()
{
    m_clientRect = rect();
    m_edgeRight = m_clientRect.width() - 1;
    m_edgeLeft = m_clientRect.left();
    m_edgeTop = m_clientRect.top();
    m_edgeBottom = m_clientRect.height();
    m_shapeWidth = m_clientRect.width();
    m_shapeHeight = m_clientRect.height();
}

// --- painting --------------------------------------------------------------------------------

void XPButtonX::PaintButton(std::int16_t pressed)
{
    m_lastPaintPressed = pressed;
    // Qt holds back the resize notification of a hidden widget until it is shown; a paint
    // before that must still use the window's real size.
    if (m_clientRect.size() != size())
        readClientRect();
    // A window without area has nothing to draw and no shape to cut.
    if (m_shapeWidth <= 0 || m_shapeHeight <= 0) {
        m_image = QImage();
        m_lastCaptionRect = QRect();
        return;
    }

    if (m_enabledValue == 0) {
        DrawDisabledFace();
    } else if (pressed == 1 && m_lastButton == 1) {
        DrawPressedFace();
        DrawOuterFrame();
    } else {
        DrawNormalFace();
        if (m_hovering == -1)
            DrawHoverRim();
        else if (m_focused == -1)
            DrawFocusRim();
        DrawOuterFrame();
    }
    DrawCaption();
    ApplyWindowShape();
}

void XPButtonX::DrawNormalFace()
{
    beginSurface(m_image, m_shapeWidth, m_shapeHeight, devicePixelRatio());
    ButtonCanvas canvas(m_image);
    const int L = m_edgeLeft, T = m_edgeTop, R = m_edgeRight, B = m_edgeBottom;

    drawFadingRows(canvas, L, R, T + 3, B - 3, look::normalGradient);
    canvas.line(L, B - 2, R, B - 2, look::normalRowBMinus2);
    canvas.line(L, B - 3, R, B - 3, look::normalRowBMinus3);
    canvas.line(L, B - 4, R, B - 4, look::normalRowBMinus4);
}

void XPButtonX::DrawPressedFace()
{
    beginSurface(m_image, m_shapeWidth, m_shapeHeight, devicePixelRatio());
    ButtonCanvas canvas(m_image);
    const int L = m_edgeLeft, T = m_edgeTop, R = m_edgeRight, B = m_edgeBottom;

    drawFadingRows(canvas, L, R, T + 3, B - 2, look::pressedBand, look::pressedBandStep);
    canvas.line(L, T + 1, R, T + 1, look::pressedRowTPlus1);
    canvas.line(L, T + 2, R, T + 2, look::pressedRowTPlus2);
    canvas.line(L, B - 3, R, B - 3, look::pressedRowBMinus3);
    canvas.line(L, B - 2, R, B - 2, look::pressedRowBMinus2);
}

void XPButtonX::DrawDisabledFace()
{
    beginSurface(m_image, m_shapeWidth, m_shapeHeight, devicePixelRatio());
    ButtonCanvas canvas(m_image);
    const int L = m_edgeLeft, T = m_edgeTop, R = m_edgeRight, B = m_edgeBottom;

    canvas.fillRect(m_clientRect, look::disabledFill);
    canvas.frameRect(m_clientRect, look::disabledOutline);

    for (const Corner &corner : cornersOf(L, T, R, B)) {
        roundCorner(canvas, corner, look::disabledOuterCorner, look::disabledOuterCorner);
        canvas.pixel(corner.x + corner.inwardX, corner.y + 2 * corner.inwardY, look::disabledInnerCorner);
        canvas.pixel(corner.x + 2 * corner.inwardX, corner.y + corner.inwardY, look::disabledInnerCorner);
    }
}

void XPButtonX::DrawOuterFrame()
{
    ButtonCanvas canvas(m_image);
    canvas.frameRect(m_clientRect, look::frame);
    for (const Corner &corner : cornersOf(m_edgeLeft, m_edgeTop, m_edgeRight, m_edgeBottom))
        roundCorner(canvas, corner, look::frameBeside, look::frameDiagonal);
}

void XPButtonX::DrawFocusRim()
{
    ButtonCanvas canvas(m_image);
    const int L = m_edgeLeft, T = m_edgeTop, R = m_edgeRight, B = m_edgeBottom;

    canvas.line(L + 2, T + 1, R - 1, T + 1, look::focusRowTPlus1);
    canvas.line(L + 1, T + 2, R, T + 2, look::focusRowTPlus2);

    const QRgb below = drawFadingColumns(canvas, L + 2, R - 1, T + 3, B - 4, look::focusSide,
                                         look::focusSidePen);
    canvas.line(L + 1, B - 3, R - 1, B - 3, below);
    canvas.pixel(L + 2, B - 2, look::focusBottomEnds);
    canvas.line(L + 3, B - 2, R - 2, B - 2, look::focusRowBMinus2);
    canvas.pixel(R - 2, B - 2, look::focusBottomEnds);
}

void XPButtonX::DrawHoverRim()
{
    ButtonCanvas canvas(m_image);
    const int L = m_edgeLeft, T = m_edgeTop, R = m_edgeRight, B = m_edgeBottom;

    canvas.line(L + 2, T + 1, R - 1, T + 1, look::hoverRowTPlus1);
    canvas.line(L + 1, T + 2, R, T + 2, look::hoverRowTPlus2);

    drawFadingColumns(canvas, L + 1, R - 1, T + 2, B - 3, look::hoverOuter);
    const QRgb below = drawFadingColumns(canvas, L + 2, R - 2, T + 3, B - 3, look::hoverInner);
    canvas.line(L + 3, B - 3, R, B - 3, below);
    canvas.line(L + 2, B - 2, R - 1, B - 2, look::hoverRowBMinus2);
}

void XPButtonX::DrawCaption()
{
    ButtonCanvas canvas(m_image);
    QRect r(0, 0, m_shapeWidth, m_shapeHeight);

    QRgb colour = look::disabledCaption;
    if (m_enabledValue != 0)
        colour = resolveColor(m_hovering != 0 ? m_foreHoverColor : m_foreColor).rgb();

    const int h = canvas.measureText(r, m_captionText, font());

    // The surface's size in logical pixels, whatever the device pixel ratio of its image.
    const double surfaceHeight = m_shapeHeight;
    const double surfaceWidth = m_shapeWidth;
    const int bottom = wholePixels(surfaceHeight * 0.5 + h * 0.5);
    const int right = wholePixels(surfaceWidth);
    const int top = wholePixels(surfaceHeight * 0.5 - h * 0.5);
    r = QRect(0, top, right, bottom - top);
    m_lastCaptionRect = r;

    canvas.drawText(r, m_captionText, font(), colour);
}

void XPButtonX::ApplyWindowShape()
{
    const int w = m_shapeWidth;
    const int h = m_shapeHeight;
    if (w <= 0 || h <= 0)
        return;
    QRegion shape(0, 0, w, h);
    shape -= QRegion(0, 0, 1, 1);
    shape -= QRegion(0, h - 1, 1, 1);
    shape -= QRegion(w - 1, 0, 1, 1);
    shape -= QRegion(w - 1, h - 1, 1, 1);
    // Handing the same shape to the window system again would only cost time.
    if (mask() != shape)
        setMask(shape);
    update();
}

// --- colours ---------------------------------------------------------------------------------

QColor XPButtonX::resolveColor(std::uint32_t value) const
{
    if ((value & 0x80000000u) == 0)
        return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));

    // System colours (stored with the top bit set) by their index, on the nearest role of this
    // widget's palette.
    const QPalette &pal = palette();
    auto active = [&pal](QPalette::ColorRole role) { return pal.color(QPalette::Active, role); };
    switch (value & 0xffu) {
    case 0:  return active(QPalette::Button);          // scroll bar
    case 1:  return active(QPalette::Window);          // desktop
    case 2:  return active(QPalette::Highlight);       // active caption
    case 3:  return pal.color(QPalette::Inactive, QPalette::Highlight); // inactive caption
    case 4:  return active(QPalette::Window);          // menu
    case 5:  return active(QPalette::Base);            // window background
    case 6:  return active(QPalette::Shadow);          // window frame
    case 7:  return active(QPalette::WindowText);      // menu text
    case 8:  return active(QPalette::Text);            // window text
    case 9:  return active(QPalette::HighlightedText); // caption text
    case 10: return active(QPalette::Window);          // active border
    case 11: return active(QPalette::Window);          // inactive border
    case 12: return active(QPalette::Dark);            // application workspace
    case 13: return active(QPalette::Highlight);       // highlight
    case 14: return active(QPalette::HighlightedText); // highlighted text
    case 15: return active(QPalette::Button);          // button face
    case 16: return active(QPalette::Dark);            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return active(QPalette::ButtonText);      // button text
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText); // inactive caption text
    case 20: return active(QPalette::Light);           // button highlight
    case 21: return active(QPalette::Shadow);          // 3-D dark shadow
    case 22: return active(QPalette::Midlight);        // 3-D light
    case 23: return active(QPalette::ToolTipText);     // info text
    case 24: return active(QPalette::ToolTipBase);     // info background
    case 26: return active(QPalette::Link);            // hot-tracked item
    case 27: return active(QPalette::Highlight);       // gradient active caption
    case 28: return pal.color(QPalette::Inactive, QPalette::Highlight); // gradient inactive caption
    case 29: return active(QPalette::Highlight);       // menu highlight
    case 30: return active(QPalette::Window);          // menu bar
    default: return active(QPalette::ButtonText);
    }
}
