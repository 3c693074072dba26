#include "ui/main/form1controls.h"

#include "ui/main/form1layout.h"
#include "ui/main/framebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace form1controls {

namespace {

using form1layout::ControlRow;
using form1layout::FontKind;
using form1layout::Kind;
using formunits::toQColor;
using formunits::toQString;

QFont fontFor(FontKind kind)
{
    QFont font(toQString(kind == FontKind::MsSansSerif ? form1layout::kMsSansSerif
                                                       : form1layout::kVerdana));
    font.setPointSizeF(form1layout::kFontPointSize);
    font.setBold(kind == FontKind::VerdanaBold);
    return font;
}

QRect pixelRect(const ControlRow &row)
{
    return QRect(form1layout::toPixels(row.left), form1layout::toPixels(row.top),
                 form1layout::toPixels(row.width), form1layout::toPixels(row.height));
}

QWidget *createWidget(const ControlRow &row, QWidget *parent)
{
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case Kind::Frame: return new FrameBox(caption, parent);
    case Kind::OptionButton: return new QRadioButton(caption, parent);
    case Kind::CheckBox: return new QCheckBox(caption, parent);
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::InputBox:
    case Kind::ResultBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setMaxLength(row.kind == Kind::InputBox ? form1layout::kInputMaxLength : 32767);
        box->setReadOnly(row.kind == Kind::ResultBox);
        return box;
    }
    case Kind::PushButton: return new QPushButton(caption, parent);
    }
    return nullptr;
}

// Colours of one control: the text colour of the table, the window blue behind frames, option
// buttons and the check box, white behind push buttons, labels see through.
void applyColours(QWidget *widget, const ControlRow &row)
{
    QPalette palette = widget->palette();
    const QColor text = toQColor(row.textColor);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    switch (row.kind) {
    case Kind::Frame:
        palette.setColor(QPalette::Window, toQColor(form1layout::kWindowBlue));
        widget->setAutoFillBackground(true);
        break;
    case Kind::OptionButton:
    case Kind::CheckBox:
        // Their background is the window blue of what lies behind them; painting it again
        // could cover a frame's border.
        palette.setColor(QPalette::Window, toQColor(form1layout::kWindowBlue));
        palette.setColor(QPalette::Button, toQColor(form1layout::kWindowBlue));
        widget->setAutoFillBackground(false);
        break;
    case Kind::PushButton:
        palette.setColor(QPalette::Button, toQColor(form1layout::kWhite));
        palette.setColor(QPalette::Window, toQColor(form1layout::kWhite));
        break;
    case Kind::InputBox:
    case Kind::ResultBox:
        palette.setColor(QPalette::Base, toQColor(form1layout::kWhite));
        break;
    case Kind::Label:
        widget->setAutoFillBackground(false);
        break;
    }
    widget->setPalette(palette);
}

// One control of a table: created in its container, named, placed and coloured.
QWidget *placeControl(const ControlRow &row, QWidget *container)
{
    QWidget *widget = createWidget(row, container);
    widget->setObjectName(toQString(row.name));
    widget->setAccessibleName(toQString(form1layout::accessibleNameOf(row.name)));
    widget->setFont(fontFor(row.font));
    widget->setGeometry(pixelRect(row));
    applyColours(widget, row);
    widget->setVisible(row.visible);
    return widget;
}

} // namespace

QWidget *createClient(QWidget *parent, QHash<QString, QWidget *> &controls)
{
    auto *client = new QWidget(parent);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(form1layout::toPixels(form1layout::kClientWidthTwips),
                         form1layout::toPixels(form1layout::kClientHeightTwips));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, toQColor(form1layout::kWindowBlue));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(fontFor(FontKind::VerdanaBold));

    for (const ControlRow &row : form1layout::kControls) {
        QWidget *container = row.container.empty() ? client : controls.value(toQString(row.container));
        QWidget *widget = placeControl(row, container);
        controls.insert(widget->objectName(), widget);
    }
    return client;
}

void createPushButtons(QHash<QString, QWidget *> &controls)
{
    for (const ControlRow &row : form1layout::kPushButtons) {
        QWidget *widget = placeControl(row, controls.value(toQString(row.container)));
        // The owner-drawn buttons on top own the access letters; the covered push buttons
        // keep their captions but do not compete for the same keys.
        auto *button = static_cast<QPushButton *>(widget);
        button->setShortcut(QKeySequence());
        // Enter on a focused push button runs its command, as it does in a dialog.
        button->setAutoDefault(true);
        controls.insert(widget->objectName(), widget);
    }
}

} // namespace form1controls
