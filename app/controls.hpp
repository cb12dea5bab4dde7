#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "failure.hpp"

// The 48 controls of the window, one row each, in the order they are created: every frame
// before its contents. The window builds itself from this table; the handlers address the controls
// by name and array index through it.

namespace kadenzo {

enum class ControlKind { Frame, Label, TextBox, Button };

// The window font is "MS Sans Serif" 8.25 points regular; every other font is the same face bold.
enum class FontSize { Window, Bold8_25, Bold9_75, Bold12, Bold13_5 };

// What a text box is to the calculations: an input is editable, a result disabled and read-only.
enum class FieldRole { None, Input, Result };

// The index of a control that is no member of a control array (`Frame1`, `BerSnelheid`).
inline constexpr int noIndex = -1;
// A maximum length of 0 means no limit of the window's own.
inline constexpr int noLimit = 0;

inline constexpr ControlId mainWindow{"Kadenzo", noIndex};

struct ControlEntry {
    ControlKind kind;
    ControlId id;
    ControlId container;
    // Twips (15 to the pixel at 96 dots per inch), from the container's outer top-left corner.
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // caption or initial text; empty for a frame without caption
    FontSize font;
    int tabIndex;
    FieldRole role;
    int maxLength;
    // What a screen reader says; empty: the caption, or nothing for a frame that only groups.
    std::string_view accessibleName;
};

inline constexpr int twipsPerPixel = 15;

// clang-format off
inline constexpr std::array<ControlEntry, 48> controls{{
    // kind                  id                        container             left  top   width height text / caption                                                   font                tab role              max      accessible name
    {ControlKind::Frame,   {"Frame1", noIndex},        mainWindow,           120,  120,  9615, 7815, "",                                                                 FontSize::Window,    0, FieldRole::None,   noLimit, ""},
    {ControlKind::Label,   {"Label1", noIndex},        {"Frame1", noIndex},  360,  240,  7695,  495, "Bereken de snelheid/tijd bij een afgelegde afstand.",              FontSize::Bold13_5,  3, FieldRole::None,   noLimit, ""},
    {ControlKind::Label,   {"Label7", noIndex},        {"Frame1", noIndex}, 8280,  360,   855,  255, "Vuko",                                                             FontSize::Bold9_75, 47, FieldRole::None,   noLimit, ""},
    {ControlKind::Label,   {"Label6", noIndex},        {"Frame1", noIndex}, 8280,  720,  1095,  375, "verise 1.3.1",                                                     FontSize::Window,   46, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame3", noIndex},        {"Frame1", noIndex},  360,  960,  8895, 2895, "",                                                                 FontSize::Window,    2, FieldRole::None,   noLimit, "Snelheid berekenen"},
    {ControlKind::Label,   {"Label2", noIndex},        {"Frame3", noIndex},  360,  360,  8295,  495, "Bereken de snelheid behorend bij een tijd over een afstand.",      FontSize::Bold12,    4, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame4", noIndex},        {"Frame3", noIndex},  360,  720,  3615, 2055, "",                                                                 FontSize::Window,    6, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame6", 0},              {"Frame4", noIndex},  360,  360,  2895,  735, "Afgelegde afstand in KM ?",                                        FontSize::Bold8_25,  8, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"AfgelegdKM", 0},          {"Frame6", 0},        360,  240,   495,  375, "0",                                                                FontSize::Bold12,    9, FieldRole::Input,  2,       "Snelheid berekenen: afstand in kilometers"},
    {ControlKind::Label,   {"Label4", 0},              {"Frame6", 0},        960,  360,   375,  255, "Km",                                                               FontSize::Bold9_75, 10, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"AfgelegdMtr", 0},         {"Frame6", 0},       1440,  240,   615,  375, "000",                                                              FontSize::Bold12,   11, FieldRole::Input,  3,       "Snelheid berekenen: afstand, meters"},
    {ControlKind::Label,   {"Label5", 0},              {"Frame6", 0},       2160,  360,   615,  255, "meter",                                                            FontSize::Bold9_75, 12, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame7", noIndex},        {"Frame4", noIndex},  360, 1200,  2895,  735, "Kloktijd ?",                                                       FontSize::Bold8_25, 13, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"KlokTijdHr", 1},          {"Frame7", noIndex},  120,  240,   495,  375, "0",                                                                FontSize::Bold12,   14, FieldRole::Input,  2,       "Snelheid berekenen: kloktijd, uren"},
    {ControlKind::Label,   {"Label5", 1},              {"Frame7", noIndex},  600,  360,   255,  255, "hr",                                                               FontSize::Bold9_75, 17, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"KlokTijdMin", 2},         {"Frame7", noIndex},  960,  240,   495,  375, "00",                                                               FontSize::Bold12,   15, FieldRole::Input,  2,       "Snelheid berekenen: kloktijd, minuten"},
    {ControlKind::Label,   {"Label5", 2},              {"Frame7", noIndex}, 1440,  360,   375,  255, "min",                                                              FontSize::Bold9_75, 18, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"KlokTijdSec", 3},         {"Frame7", noIndex}, 1920,  240,   495,  375, "00",                                                               FontSize::Bold12,   16, FieldRole::Input,  2,       "Snelheid berekenen: kloktijd, seconden"},
    {ControlKind::Label,   {"Label5", 3},              {"Frame7", noIndex}, 2400,  360,   375,  255, "sec",                                                              FontSize::Bold9_75, 19, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame5", noIndex},        {"Frame3", noIndex}, 4560,  720,  3855, 2055, "",                                                                 FontSize::Window,    7, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame8", noIndex},        {"Frame5", noIndex},  240,  360,  3375,  975, "De berekende snelheid is:",                                        FontSize::Bold9_75, 20, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"BerSnelheidVK", 4},       {"Frame8", noIndex},  360,  360,   495,  375, "0",                                                                FontSize::Bold12,   21, FieldRole::Result, noLimit, "Snelheid berekenen: berekende snelheid, hele km/uur"},
    {ControlKind::Label,   {"Label4", 2},              {"Frame8", noIndex},  960,  480,   255,  255, ",",                                                                FontSize::Bold12,   24, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"BerSnelheidAK", 1},       {"Frame8", noIndex}, 1080,  360,   495,  375, "00",                                                               FontSize::Bold12,   23, FieldRole::Result, noLimit, "Snelheid berekenen: berekende snelheid, honderdsten km/uur"},
    {ControlKind::Label,   {"Label4", 1},              {"Frame8", noIndex}, 1800,  480,   735,  255, "Km/uur",                                                           FontSize::Bold9_75, 22, FieldRole::None,   noLimit, ""},
    {ControlKind::Button,  {"BerSnelheid", noIndex},   {"Frame5", noIndex}, 1320, 1560,  1335,  375, "Bereken",                                                          FontSize::Bold9_75, 25, FieldRole::None,   noLimit, "Snelheid berekenen: bereken de snelheid"},
    {ControlKind::Frame,   {"Frame2", noIndex},        {"Frame1", noIndex},  360, 4080,  8895, 2775, "",                                                                 FontSize::Window,    1, FieldRole::None,   noLimit, "Kloktijd berekenen"},
    {ControlKind::Label,   {"Label3", noIndex},        {"Frame2", noIndex},  360,  360,  8415,  615, "Bereken de kloktijd behorend bij een snelheid over een afstand.", FontSize::Bold12,    5, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame9", noIndex},        {"Frame2", noIndex},  360,  720,  3615, 1935, "",                                                                 FontSize::Window,   26, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame6", 1},              {"Frame9", noIndex},  360,  240,  2895,  735, "Afgelegde afstand in KM ?",                                        FontSize::Bold8_25, 28, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"AfgelegdKM", 1},          {"Frame6", 1},        360,  240,   495,  375, "0",                                                                FontSize::Bold12,   29, FieldRole::Input,  2,       "Kloktijd berekenen: afstand in kilometers"},
    {ControlKind::Label,   {"Label4", 3},              {"Frame6", 1},        960,  360,   375,  255, "Km",                                                               FontSize::Bold9_75, 32, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"AfgelegdMtr", 1},         {"Frame6", 1},       1440,  240,   615,  375, "000",                                                              FontSize::Bold12,   31, FieldRole::Input,  3,       "Kloktijd berekenen: afstand, meters"},
    {ControlKind::Label,   {"Label5", 4},              {"Frame6", 1},       2160,  360,   615,  255, "meter",                                                            FontSize::Bold9_75, 30, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame11", noIndex},       {"Frame9", noIndex},  360, 1080,  2895,  735, "Snelheid ?",                                                       FontSize::Bold8_25, 33, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"SnelheidVK", 0},          {"Frame11", noIndex}, 600,  240,   495,  375, "0",                                                                FontSize::Bold12,   34, FieldRole::Input,  noLimit, "Kloktijd berekenen: snelheid, hele km/uur"},
    {ControlKind::Label,   {"Label4", 5},              {"Frame11", noIndex},1200,  360,   255,  255, ",",                                                                FontSize::Bold12,   38, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"SnelheidAK", 0},          {"Frame11", noIndex},1320,  240,   495,  375, "0",                                                                FontSize::Bold12,   35, FieldRole::Input,  noLimit, "Kloktijd berekenen: snelheid, honderdsten km/uur"},
    {ControlKind::Label,   {"Label4", 4},              {"Frame11", noIndex},2040,  360,   735,  255, "Km/uur",                                                           FontSize::Bold9_75, 36, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame10", noIndex},       {"Frame2", noIndex}, 4560,  720,  3855, 1935, "",                                                                 FontSize::Window,   27, FieldRole::None,   noLimit, ""},
    {ControlKind::Frame,   {"Frame12", noIndex},       {"Frame10", noIndex}, 240,  360,  3375,  855, "De berekende kloktijd is:",                                        FontSize::Bold9_75, 39, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"BerKlokTijdHr", 0},       {"Frame12", noIndex}, 120,  360,   495,  375, "0",                                                                FontSize::Bold12,   40, FieldRole::Result, noLimit, "Kloktijd berekenen: berekende kloktijd, uren"},
    {ControlKind::Label,   {"Label5", 5},              {"Frame12", noIndex}, 600,  480,   255,  255, "hr",                                                               FontSize::Bold9_75, 41, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"BerKlokTijdMin", 0},      {"Frame12", noIndex}, 960,  360,   495,  375, "00",                                                               FontSize::Bold12,   42, FieldRole::Result, noLimit, "Kloktijd berekenen: berekende kloktijd, minuten"},
    {ControlKind::Label,   {"Label5", 6},              {"Frame12", noIndex},1440,  480,   375,  255, "min",                                                              FontSize::Bold9_75, 43, FieldRole::None,   noLimit, ""},
    {ControlKind::TextBox, {"BerKlokTijdSec", 0},      {"Frame12", noIndex},1920,  360,   495,  375, "00",                                                               FontSize::Bold12,   44, FieldRole::Result, noLimit, "Kloktijd berekenen: berekende kloktijd, seconden"},
    {ControlKind::Label,   {"Label5", 7},              {"Frame12", noIndex},2400,  480,   375,  255, "sec",                                                              FontSize::Bold9_75, 45, FieldRole::None,   noLimit, ""},
    {ControlKind::Button,  {"BerKlokTijd", noIndex},   {"Frame10", noIndex},1320, 1440,  1335,  375, "Bereken",                                                          FontSize::Bold9_75, 37, FieldRole::None,   noLimit, "Kloktijd berekenen: bereken de kloktijd"},
}};
// clang-format on

// The row of `id`, or controls.size() when no control bears that name and index.
constexpr std::size_t rowOf(ControlId id) {
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (controls[row].id == id) {
            return row;
        }
    }
    return controls.size();
}

// The controls the handlers write or that start them, besides the input fields of `field`.
namespace control {
inline constexpr ControlId BerSnelheidVK4{"BerSnelheidVK", 4};
inline constexpr ControlId BerSnelheidAK1{"BerSnelheidAK", 1};
inline constexpr ControlId BerKlokTijdHr0{"BerKlokTijdHr", 0};
inline constexpr ControlId BerKlokTijdMin0{"BerKlokTijdMin", 0};
inline constexpr ControlId BerKlokTijdSec0{"BerKlokTijdSec", 0};
inline constexpr ControlId BerSnelheid{"BerSnelheid", noIndex};
inline constexpr ControlId BerKlokTijd{"BerKlokTijd", noIndex};
}  // namespace control

// A typo in the table shows at compile time: every container comes before what it holds and is a
// frame (or the window itself), every control lies wholly inside it, and every tab index is unique.
namespace detail {
constexpr bool containersPrecedeAndEnclose() {
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const ControlEntry& c = controls[row];
        if (c.container == mainWindow) {
            continue;
        }
        const std::size_t holder = rowOf(c.container);
        if (holder >= row || controls[holder].kind != ControlKind::Frame) {
            return false;
        }
        const ControlEntry& h = controls[holder];
        if (c.left < 0 || c.top < 0 || c.left + c.width > h.width || c.top + c.height > h.height) {
            return false;
        }
    }
    return true;
}

constexpr bool tabIndicesUnique() {
    for (std::size_t a = 0; a < controls.size(); ++a) {
        for (std::size_t b = a + 1; b < controls.size(); ++b) {
            if (controls[a].tabIndex == controls[b].tabIndex || controls[a].id == controls[b].id) {
                return false;
            }
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::containersPrecedeAndEnclose());
static_assert(detail::tabIndicesUnique());
static_assert([] {
    for (ControlId id :
         {field::AfgelegdKM0, field::AfgelegdMtr0, field::KlokTijdHr1, field::KlokTijdMin2,
          field::KlokTijdSec3, field::AfgelegdKM1, field::AfgelegdMtr1, field::SnelheidVK0,
          field::SnelheidAK0, control::BerSnelheidVK4, control::BerSnelheidAK1,
          control::BerKlokTijdHr0, control::BerKlokTijdMin0, control::BerKlokTijdSec0,
          control::BerSnelheid, control::BerKlokTijd}) {
        if (rowOf(id) == controls.size()) {
            return false;
        }
    }
    return true;
}());

}  // namespace kadenzo
