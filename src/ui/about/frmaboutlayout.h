#pragma once

#include "ui/formunits.h"

#include <QtGlobal>

#include <array>
#include <string_view>

// The About box as it is laid out. Positions and sizes are in twips (1/1440 inch)
// relative to the client area; 15 twips are one pixel.
namespace frmaboutlayout {

using formunits::Rgb;
using formunits::toPixels;

inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kBrownOrange{192, 64, 0};
inline constexpr Rgb kLightBlue{128, 128, 255};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{128, 128, 128};

inline constexpr int kClientWidthTwips = 5730;
inline constexpr int kClientHeightTwips = 4305;

inline constexpr std::string_view kLabelFont = "Verdana";
inline constexpr double kSmallPointSize = 8.25;
inline constexpr double kLargePointSize = 14.25;

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr Box kPicIcon{240, 240, 540, 540};

// Labels, in creation order. An empty text is filled in at load. The description is a source
// text of the context "frmaboutlayout"; the authors' names and student numbers stay as written.
struct LabelRow {
    std::string_view name;
    Box box;
    Rgb color;
    double pointSize;
    std::string_view text;
};

inline constexpr std::array<LabelRow, 7> kLabels{{
    {"lblTitle", {1050, 240, 3885, 480}, kDarkBlue, kSmallPointSize, ""},
    {"lblVersion", {1050, 780, 3885, 225}, kBrownOrange, kSmallPointSize, ""},
    {"lblDescription", {1050, 1125, 3885, 330}, kLightBlue, kLargePointSize, QT_TRANSLATE_NOOP("frmaboutlayout", "Tugas Sistem Operasi")},
    {"Label1_0", {1080, 1560, 3975, 255}, kLightBlue, kSmallPointSize, "Andi Prasetyo (NIM 0411500123)"},
    {"Label1_1", {1080, 1800, 3375, 255}, kLightBlue, kSmallPointSize, "Siti Rahmawati (NIM 0411500145)"},
    {"Label1_2", {1080, 2040, 4095, 255}, kLightBlue, kSmallPointSize, "Bayu Kurniawan (NIM 0411500167)"},
    {"Label1_3", {1080, 2280, 4215, 255}, kLightBlue, kSmallPointSize, "Dewi Lestari Putri (NIM 0411500189)"},
}};

// The hidden standard buttons behind the drawn ones.
struct ButtonRow {
    std::string_view name;
    Box box;
    std::string_view caption;
};

inline constexpr ButtonRow kCmdOK{"cmdOK", {4245, 3120, 1260, 345}, QT_TRANSLATE_NOOP("frmaboutlayout", "OK")};
inline constexpr ButtonRow kCmdSysInfo{"cmdSysInfo", {4260, 3075, 1245, 345}, QT_TRANSLATE_NOOP("frmaboutlayout", "&System Info...")};

// The separator between the authors and the buttons. Later rows lie on top: the grey line
// over the upper half of the white one gives the etched look.
struct LineRow {
    std::string_view name;
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    int widthPixels = 1;
    Rgb color;
};

inline constexpr std::array<LineRow, 2> kLines{{
    {"Line1_0", 105, 5654, 2880, 2, kWhite},
    {"Line1_1", 90, 5654, 2880, 1, kGrey},
}};

inline constexpr std::string_view kButtonResource = ":/forms/frmabout.frm";

} // namespace frmaboutlayout
