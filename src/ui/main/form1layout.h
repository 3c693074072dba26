#pragma once

#include "ui/formunits.h"

#include <QtGlobal>

#include <array>
#include <string_view>

// The main window's controls as the window is laid out. Positions and sizes are in
// twips (1/1440 inch) relative to the container's client area; 15 twips are one pixel.
// The captions that a translation may change are marked for the context "form1layout" (they are
// the source texts; the window looks them up when it sets its texts). The process names, the
// boxes' start values and the detail labels' "P1 = Empty" are not: the detail labels and the
// result boxes hold the values that the text and printed reports take over.
namespace form1layout {

using formunits::Rgb;
using formunits::toPixels;

inline constexpr Rgb kWindowBlue{218, 234, 254};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kLilac{128, 128, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kFrameShadow{128, 128, 128};   // the etched border of a frame: grey line
inline constexpr Rgb kFrameHighlight{255, 255, 255}; // and white line one pixel inside it

// A frame's caption starts this many pixels from the frame's left edge, with this much of the
// window colour on each side of the text where it interrupts the border.
inline constexpr int kFrameCaptionIndent = 6;
inline constexpr int kFrameCaptionPadding = 2;

inline constexpr int kClientWidthTwips = 8055;
inline constexpr int kClientHeightTwips = 8730;

//: The main window's title, which scrolls through the title bar; keep the dots and spaces around it.
inline constexpr std::string_view kDesignTitle =
    QT_TRANSLATE_NOOP("form1layout", ".......     Quorvel Versi Beta Tamsira 2006     .......");

enum class Kind { Frame, OptionButton, CheckBox, Label, InputBox, ResultBox, PushButton };

enum class FontKind {
    VerdanaBold,   // the form's font: Verdana 8.25 pt bold
    Verdana,       // Verdana 8.25 pt regular
    MsSansSerif,   // MS Sans Serif 8.25 pt regular
};

inline constexpr std::string_view kVerdana = "Verdana";
inline constexpr std::string_view kMsSansSerif = "MS Sans Serif";
inline constexpr double kFontPointSize = 8.25;

struct ControlRow {
    std::string_view name;
    Kind kind;
    std::string_view container;   // empty: the window itself
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    Rgb textColor = kBlack;
    FontKind font = FontKind::VerdanaBold;
    bool visible = true;
};

// In creation order, which is also the stacking order (later rows lie on top).
inline constexpr std::array<ControlRow, 41> kControls{{
    {"Frame1", Kind::Frame, "", QT_TRANSLATE_NOOP("form1layout", "Tipe Penjadwalan"), 360, 240, 7335, 855, kBlue},
    {"Option1", Kind::OptionButton, "Frame1", QT_TRANSLATE_NOOP("form1layout", "FCFS"), 2040, 240, 1215, 495, kBlue},
    {"Option2", Kind::OptionButton, "Frame1", QT_TRANSLATE_NOOP("form1layout", "SJF Non Preemptive"), 3840, 240, 2655, 495, kBlue},

    {"Frame2", Kind::Frame, "", QT_TRANSLATE_NOOP("form1layout", "Proses"), 360, 1200, 7335, 3255, kGreen},
    {"Label3", Kind::Label, "Frame2", QT_TRANSLATE_NOOP("form1layout", "Arrival Time"), 1200, 240, 2655, 375, kLilac},
    {"Label4", Kind::Label, "Frame2", QT_TRANSLATE_NOOP("form1layout", "Burst Time"), 4800, 240, 2535, 375, kLilac},
    {"Label2_0", Kind::Label, "Frame2", "P1", 480, 720, 735, 375, kLilac},
    {"Label2_1", Kind::Label, "Frame2", "P2", 480, 1200, 735, 375, kLilac},
    {"Label2_2", Kind::Label, "Frame2", "P3", 480, 1680, 735, 375, kLilac},
    {"Label2_3", Kind::Label, "Frame2", "P4", 480, 2160, 735, 375, kLilac},
    {"Label2_4", Kind::Label, "Frame2", "P5", 480, 2640, 735, 375, kLilac},
    {"Text1", Kind::InputBox, "Frame2", "0", 1200, 720, 2655, 375, kLilac},
    {"Text2", Kind::InputBox, "Frame2", "0", 1200, 1200, 2655, 375, kLilac},
    {"Text3", Kind::InputBox, "Frame2", "0", 1200, 1680, 2655, 375, kLilac},
    {"Text4", Kind::InputBox, "Frame2", "0", 1200, 2160, 2655, 375, kLilac},
    {"Text10", Kind::InputBox, "Frame2", "0", 1200, 2640, 2655, 375, kLilac},
    {"Text5", Kind::InputBox, "Frame2", "0", 4800, 720, 2295, 375, kLilac},
    {"Text6", Kind::InputBox, "Frame2", "0", 4800, 1200, 2295, 375, kLilac},
    {"Text7", Kind::InputBox, "Frame2", "0", 4800, 1680, 2295, 375, kLilac},
    {"Text8", Kind::InputBox, "Frame2", "0", 4800, 2160, 2295, 375, kLilac},
    {"Text9", Kind::InputBox, "Frame2", "0", 4800, 2640, 2295, 375, kLilac},

    {"Frame5", Kind::Frame, "", QT_TRANSLATE_NOOP("form1layout", "Detail"), 360, 4560, 3735, 2535, kBlue},
    {"Label5_0", Kind::Label, "Frame5", QT_TRANSLATE_NOOP("form1layout", "Waiting Time ::"), 240, 480, 2415, 255, kTeal},
    {"Label5_1", Kind::Label, "Frame5", QT_TRANSLATE_NOOP("form1layout", "Turn Around ::"), 2040, 480, 1575, 255, kTeal},
    {"AWTDetail_0", Kind::Label, "Frame5", "P1 = Empty", 240, 840, 1815, 255},
    {"AWTDetail_1", Kind::Label, "Frame5", "P2 = Empty", 240, 1080, 1815, 255},
    {"AWTDetail_2", Kind::Label, "Frame5", "P3 = Empty", 240, 1320, 1815, 255},
    {"AWTDetail_3", Kind::Label, "Frame5", "P4 = Empty", 240, 1560, 1815, 255},
    {"AWTDetail_4", Kind::Label, "Frame5", "P5 = Empty", 240, 1800, 1815, 255},
    {"TurnAround_0", Kind::Label, "Frame5", "P1 = Empty", 2040, 840, 1575, 255},
    {"TurnAround_1", Kind::Label, "Frame5", "P2 = Empty", 2040, 1080, 1455, 255},
    {"TurnAround_2", Kind::Label, "Frame5", "P3 = Empty", 2040, 1320, 1335, 255},
    {"TurnAround_3", Kind::Label, "Frame5", "P4 = Empty", 2040, 1560, 1215, 255},
    {"TurnAround_4", Kind::Label, "Frame5", "P5 = Empty", 2040, 1800, 1575, 255},

    {"Frame3", Kind::Frame, "", QT_TRANSLATE_NOOP("form1layout", "Average"), 4200, 4560, 3495, 2535, kGreen},
    {"Label6", Kind::Label, "Frame3", QT_TRANSLATE_NOOP("form1layout", "Awaiting Time"), 1080, 360, 1575, 255, kBlack, FontKind::Verdana},
    {"HasilAWT", Kind::ResultBox, "Frame3", "", 240, 600, 3015, 375},
    {"Label7", Kind::Label, "Frame3", QT_TRANSLATE_NOOP("form1layout", "Turn Around"), 1080, 1560, 1215, 255, kBlack, FontKind::Verdana},
    {"HasilATT", Kind::ResultBox, "Frame3", "", 240, 1800, 3015, 375},

    {"Check1", Kind::CheckBox, "", QT_TRANSLATE_NOOP("form1layout", "Process with Message"), 360, 7200, 3255, 255, kBlack, FontKind::Verdana},
    {"Frame4", Kind::Frame, "", QT_TRANSLATE_NOOP("form1layout", "Command"), 360, 7560, 7335, 975},
}};

// The push buttons of the "Command" frame; the owner-drawn buttons that forward to them lie on top.
inline constexpr std::array<ControlRow, 3> kPushButtons{{
    {"Command1", Kind::PushButton, "Frame4", QT_TRANSLATE_NOOP("form1layout", "&Proses"), 360, 360, 1215, 375},
    {"Command3", Kind::PushButton, "Frame4", QT_TRANSLATE_NOOP("form1layout", "&Reset"), 1920, 360, 975, 375},
    {"Command2", Kind::PushButton, "Frame4", QT_TRANSLATE_NOOP("form1layout", "&Close"), 6000, 360, 1215, 375, kBlack,
     FontKind::VerdanaBold, false},
}};

// What assistive technology reads for the controls whose caption does not say what they hold
// (the boxes would otherwise be named after their frame). Every other control is named by its
// caption; the window by the program's title, not by the scrolling text of its title bar.
struct AccessibleNameRow {
    std::string_view control;
    std::string_view name;
};

inline constexpr std::array<AccessibleNameRow, 12> kAccessibleNames{{
    {"Text1", QT_TRANSLATE_NOOP("form1layout", "P1 Arrival Time")},
    {"Text2", QT_TRANSLATE_NOOP("form1layout", "P2 Arrival Time")},
    {"Text3", QT_TRANSLATE_NOOP("form1layout", "P3 Arrival Time")},
    {"Text4", QT_TRANSLATE_NOOP("form1layout", "P4 Arrival Time")},
    {"Text10", QT_TRANSLATE_NOOP("form1layout", "P5 Arrival Time")},
    {"Text5", QT_TRANSLATE_NOOP("form1layout", "P1 Burst Time")},
    {"Text6", QT_TRANSLATE_NOOP("form1layout", "P2 Burst Time")},
    {"Text7", QT_TRANSLATE_NOOP("form1layout", "P3 Burst Time")},
    {"Text8", QT_TRANSLATE_NOOP("form1layout", "P4 Burst Time")},
    {"Text9", QT_TRANSLATE_NOOP("form1layout", "P5 Burst Time")},
    {"HasilAWT", QT_TRANSLATE_NOOP("form1layout", "Awaiting Time")},
    {"HasilATT", QT_TRANSLATE_NOOP("form1layout", "Turn Around")},
}};

// The accessible name of a control of the tables above, empty when its caption names it.
constexpr std::string_view accessibleNameOf(std::string_view control)
{
    for (const AccessibleNameRow &row : kAccessibleNames) {
        if (row.control == control)
            return row.name;
    }
    return {};
}

inline constexpr int kInputMaxLength = 4;

inline constexpr int kTimer1IntervalMs = 500;   // blink of the average waiting time
inline constexpr int kTimer2IntervalMs = 100;   // scrolling title

// The order in which Tab visits the controls that can take the focus.
inline constexpr std::array<std::string_view, 22> kTabOrder{{
    "Option1", "Option2", "Text5", "Text6", "Text7", "Text8", "Text2", "Text3", "Text4", "Text1",
    "HasilAWT", "Command1", "HasilATT", "Text9", "Text10", "Command3", "XPButton1", "XPButton2",
    "XPButton3", "Check1", "CMBPrint", "CMBSimpan",
}};

} // namespace form1layout
