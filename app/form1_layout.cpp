#include "app/form1_layout.h"

#include <array>

#include "model/control_ids.h"
#include "model/form1.h"

namespace pp {
namespace {

template <auto Member>
Control& Field(Form1& form) {
    return form.*Member;
}

template <auto Member, size_t Element>
Control& ArrayElement(Form1& form) {
    return (form.*Member)[Element];
}

template <int Index>
Control& ImageButton(Form1& form) {
    return form.FBU.at(Index);
}

using K = ViewKind;
using L = ViewLook;

// The grid of the option area: three columns of captioned combo boxes on the left, two columns
// of check boxes on the right.
constexpr int kMargin = 16;
constexpr int kComboWidth = 119;
constexpr int kComboHeight = 22;
constexpr int kCaptionHeight = 16;
constexpr int kColumn[3] = {kMargin, kMargin + 129, kMargin + 258};
constexpr int kOptionTop = 186;
constexpr int kOptionRow = 46;
constexpr int kCheckLeft[2] = {402, 557};
constexpr int kCheckWidth[2] = {153, 156};
constexpr int kCheckHeight = 18;
constexpr int kCheckRow = 20;

constexpr Rect96 CaptionAt(int column, int row) {
    return {kColumn[column], kOptionTop + row * kOptionRow, kComboWidth, kCaptionHeight};
}
constexpr Rect96 ComboAt(int column, int row) {
    return {kColumn[column], kOptionTop + row * kOptionRow + kCaptionHeight + 2, kComboWidth, kComboHeight};
}
constexpr Rect96 CheckAt(int column, int row) {
    return {kCheckLeft[column], kOptionTop + row * kCheckRow, kCheckWidth[column], kCheckHeight};
}

// The team area: home on the left, away on the right, the two logo boxes between them and the
// side buttons in a row under the logos.
constexpr int kTeamTop = 70;
constexpr int kTeamWidth = 230;
constexpr int kAwayLeft = kForm1Width - kMargin - kTeamWidth;
constexpr int kLogoSize = 72;
constexpr int kHomeLogoLeft = kMargin + kTeamWidth + 16;
constexpr int kAwayLogoLeft = kAwayLeft - 16 - kLogoSize;
constexpr int kSideTop = kTeamTop + kLogoSize + 6;
constexpr int kSideSize = 16;

constexpr int kBottomTop = 546;

const std::array kLayout = {
    // Top edge: the hot-key notice, minimise and close, the three command buttons.
    ControlPlace{&ArrayElement<&Form1::Label2, 2>, K::Label, IDC_Label2_2, {212, 6, 301, 16}, L::Notice},
    ControlPlace{&ImageButton<99>, K::ImageButton, IDC_FBU_99, {681, 4, 19, 18}, L::Plain, 99, "_"},
    ControlPlace{&ImageButton<0>, K::ImageButton, IDC_FBU_0, {702, 4, 19, 18}, L::Plain, 0, "X"},
    ControlPlace{&ImageButton<1>, K::ImageButton, IDC_FBU_1, {kMargin, 30, 75, 22}, L::Plain, 1, "SAVE"},
    ControlPlace{&ImageButton<2>, K::ImageButton, IDC_FBU_2, {kMargin + 83, 30, 75, 22}, L::Plain, 2, "START"},
    ControlPlace{&ArrayElement<&Form1::Label2, 3>, K::Label, IDC_Label2_3, {518, 33, 110, 16}, L::Caption},
    ControlPlace{&ImageButton<3>, K::ImageButton, IDC_FBU_3, {634, 30, 75, 22}, L::Plain, 3, "PENALTY"},
    ControlPlace{nullptr, K::Line, IDC_Line1_0, {kMargin, 60, kForm1Width - 2 * kMargin, 1}},

    // Teams.
    ControlPlace{&ArrayElement<&Form1::Label1, 0>,
                 K::Label,
                 IDC_Label1_0,
                 {kMargin, kTeamTop, kTeamWidth, kCaptionHeight},
                 L::Caption},
    ControlPlace{&Field<&Form1::Combo1>, K::ComboBox, IDC_Combo1, {kMargin, kTeamTop + 18, kTeamWidth, kComboHeight}},
    ControlPlace{&ArrayElement<&Form1::Label1, 2>,
                 K::Label,
                 IDC_Label1_2,
                 {kMargin, kTeamTop + 48, 150, kCaptionHeight},
                 L::Caption},
    ControlPlace{&Field<&Form1::Combo3>, K::ComboBox, IDC_Combo3, {kMargin, kTeamTop + 66, 150, kComboHeight}},
    ControlPlace{&Field<&Form1::P_SHOW>, K::LogoBox, IDC_P_SHOW, {kHomeLogoLeft, kTeamTop, kLogoSize, kLogoSize}},
    ControlPlace{&Field<&Form1::OT>,
                 K::OptionButton,
                 IDC_OT_0,
                 {kHomeLogoLeft + kLogoSize / 2 - kSideSize / 2, kSideTop, kSideSize, kSideSize},
                 L::Plain,
                 0},
    ControlPlace{&Field<&Form1::OT>,
                 K::OptionButton,
                 IDC_OT_1,
                 {kForm1Width / 2 - kSideSize / 2, kSideTop, kSideSize, kSideSize},
                 L::Plain,
                 1},
    ControlPlace{&Field<&Form1::OT>,
                 K::OptionButton,
                 IDC_OT_2,
                 {kAwayLogoLeft + kLogoSize / 2 - kSideSize / 2, kSideTop, kSideSize, kSideSize},
                 L::Plain,
                 2},
    ControlPlace{&Field<&Form1::P_SHOW2>, K::LogoBox, IDC_P_SHOW2, {kAwayLogoLeft, kTeamTop, kLogoSize, kLogoSize}},
    ControlPlace{&ArrayElement<&Form1::Label1, 1>,
                 K::Label,
                 IDC_Label1_1,
                 {kAwayLeft, kTeamTop, kTeamWidth, kCaptionHeight},
                 L::Caption},
    ControlPlace{&Field<&Form1::Combo2>, K::ComboBox, IDC_Combo2, {kAwayLeft, kTeamTop + 18, kTeamWidth, kComboHeight}},
    ControlPlace{&ArrayElement<&Form1::Label1, 3>,
                 K::Label,
                 IDC_Label1_3,
                 {kAwayLeft, kTeamTop + 48, 150, kCaptionHeight},
                 L::Caption},
    ControlPlace{&Field<&Form1::Combo4>, K::ComboBox, IDC_Combo4, {kAwayLeft, kTeamTop + 66, 150, kComboHeight}},
    ControlPlace{nullptr, K::Line, IDC_Line1_1, {kMargin, 176, kForm1Width - 2 * kMargin, 1}},

    // Captioned option boxes, row by row.
    ControlPlace{&ArrayElement<&Form1::Label1, 4>, K::Label, IDC_Label1_4, CaptionAt(0, 0), L::Caption},
    ControlPlace{&Field<&Form1::Combo5>, K::ComboBox, IDC_Combo5, ComboAt(0, 0)},
    ControlPlace{&ArrayElement<&Form1::Label1, 5>, K::Label, IDC_Label1_5, CaptionAt(1, 0), L::Caption},
    ControlPlace{&Field<&Form1::Combo6>, K::ComboBox, IDC_Combo6, ComboAt(1, 0)},
    ControlPlace{&ArrayElement<&Form1::Label1, 6>, K::Label, IDC_Label1_6, CaptionAt(2, 0), L::Caption},
    ControlPlace{&Field<&Form1::Combo7>, K::ComboBox, IDC_Combo7, ComboAt(2, 0)},

    ControlPlace{&ArrayElement<&Form1::Label1, 7>, K::Label, IDC_Label1_7, CaptionAt(0, 1), L::Caption},
    ControlPlace{&Field<&Form1::Combo8>, K::ComboBox, IDC_Combo8, ComboAt(0, 1)},
    ControlPlace{&ArrayElement<&Form1::Label1, 16>, K::Label, IDC_Label1_16, CaptionAt(1, 1), L::Caption},
    ControlPlace{&Field<&Form1::Combo16>, K::ComboBox, IDC_Combo16, ComboAt(1, 1)},
    ControlPlace{&ArrayElement<&Form1::Label1, 19>, K::Label, IDC_Label1_19, CaptionAt(2, 1), L::Caption},
    ControlPlace{&Field<&Form1::Combo19>, K::ComboBox, IDC_Combo19, ComboAt(2, 1)},

    ControlPlace{&ArrayElement<&Form1::Label1, 8>, K::Label, IDC_Label1_8, CaptionAt(0, 2), L::Caption},
    ControlPlace{&Field<&Form1::Combo9>, K::ComboBox, IDC_Combo9, ComboAt(0, 2)},
    ControlPlace{&ArrayElement<&Form1::Label1, 10>, K::Label, IDC_Label1_10, CaptionAt(1, 2), L::Caption},
    ControlPlace{&Field<&Form1::Combo11>, K::ComboBox, IDC_Combo11, ComboAt(1, 2)},
    ControlPlace{&ArrayElement<&Form1::Label1, 12>, K::Label, IDC_Label1_12, CaptionAt(2, 2), L::Caption},
    ControlPlace{&Field<&Form1::Combo13>, K::ComboBox, IDC_Combo13, ComboAt(2, 2)},

    ControlPlace{&ArrayElement<&Form1::Label1, 9>, K::Label, IDC_Label1_9, CaptionAt(0, 3), L::Caption},
    ControlPlace{&Field<&Form1::Combo10>, K::ComboBox, IDC_Combo10, ComboAt(0, 3)},
    ControlPlace{&ArrayElement<&Form1::Label1, 11>, K::Label, IDC_Label1_11, CaptionAt(1, 3), L::Caption},
    ControlPlace{&Field<&Form1::Combo12>, K::ComboBox, IDC_Combo12, ComboAt(1, 3)},
    ControlPlace{&ArrayElement<&Form1::Label1, 13>, K::Label, IDC_Label1_13, CaptionAt(2, 3), L::Caption},
    ControlPlace{&Field<&Form1::Combo14>, K::ComboBox, IDC_Combo14, ComboAt(2, 3)},

    ControlPlace{&ArrayElement<&Form1::Label1, 14>, K::Label, IDC_Label1_14, CaptionAt(0, 4), L::Caption},
    ControlPlace{&Field<&Form1::Combo15>, K::ComboBox, IDC_Combo15, ComboAt(0, 4)},
    ControlPlace{&ArrayElement<&Form1::Label1, 15>, K::Label, IDC_Label1_15, CaptionAt(1, 4), L::Caption},
    ControlPlace{&Field<&Form1::ZMO>, K::TextBox, IDC_ZMO, ComboAt(1, 4)},
    ControlPlace{&ArrayElement<&Form1::Label1, 21>, K::Label, IDC_Label1_21, CaptionAt(2, 4), L::Caption},
    ControlPlace{&Field<&Form1::HMO>, K::TextBox, IDC_HMO, ComboAt(2, 4)},
    ControlPlace{&Field<&Form1::Check70>,
                 K::CheckBox,
                 IDC_Check70,
                 {kColumn[1], ComboAt(1, 4).Bottom() + 6, kComboWidth, kCheckHeight}},

    // Check boxes: the screen and picture in the first column, the rules of the match in the second.
    ControlPlace{&Field<&Form1::Check3>, K::CheckBox, IDC_Check3, CheckAt(0, 0)},
    ControlPlace{&Field<&Form1::Check4>, K::CheckBox, IDC_Check4, CheckAt(0, 1)},
    ControlPlace{&Field<&Form1::Check5>, K::CheckBox, IDC_Check5, CheckAt(0, 2)},
    ControlPlace{&Field<&Form1::Check21>, K::CheckBox, IDC_Check21, CheckAt(0, 3)},
    ControlPlace{&Field<&Form1::Check6>, K::CheckBox, IDC_Check6, CheckAt(0, 4)},
    ControlPlace{&Field<&Form1::Check7>, K::CheckBox, IDC_Check7, CheckAt(0, 5)},
    ControlPlace{&Field<&Form1::Check13>, K::CheckBox, IDC_Check13, CheckAt(0, 6)},
    ControlPlace{&Field<&Form1::Check16>, K::CheckBox, IDC_Check16, CheckAt(0, 7)},
    ControlPlace{&Field<&Form1::Check28>, K::CheckBox, IDC_Check28, CheckAt(0, 8)},
    ControlPlace{&Field<&Form1::Check12>, K::CheckBox, IDC_Check12, CheckAt(0, 9)},
    ControlPlace{&Field<&Form1::Check11>, K::CheckBox, IDC_Check11, CheckAt(0, 10)},
    ControlPlace{&Field<&Form1::Check8>, K::CheckBox, IDC_Check8, CheckAt(1, 0)},
    ControlPlace{&Field<&Form1::Check9>, K::CheckBox, IDC_Check9, CheckAt(1, 1)},
    ControlPlace{&Field<&Form1::Check10>, K::CheckBox, IDC_Check10, CheckAt(1, 2)},
    ControlPlace{&Field<&Form1::Check18>, K::CheckBox, IDC_Check18, CheckAt(1, 3)},
    ControlPlace{&Field<&Form1::Check19>, K::CheckBox, IDC_Check19, CheckAt(1, 4)},
    ControlPlace{&Field<&Form1::Check17>, K::CheckBox, IDC_Check17, CheckAt(1, 5)},
    ControlPlace{&Field<&Form1::Check25>, K::CheckBox, IDC_Check25, CheckAt(1, 6)},
    ControlPlace{&Field<&Form1::Check26>, K::CheckBox, IDC_Check26, CheckAt(1, 7)},
    ControlPlace{&Field<&Form1::Check14>, K::CheckBox, IDC_Check14, CheckAt(1, 8)},
    ControlPlace{&Field<&Form1::Check15>, K::CheckBox, IDC_Check15, CheckAt(1, 9)},
    ControlPlace{&Field<&Form1::Check22>, K::CheckBox, IDC_Check22, CheckAt(1, 10)},
    ControlPlace{&Field<&Form1::Check20>,
                 K::CheckBox,
                 IDC_Check20,
                 {kCheckLeft[0], 420, kCheckWidth[0], kCheckHeight},
                 L::Warning},
    ControlPlace{&Field<&Form1::Combo18>, K::ComboBox, IDC_Combo18, {kCheckLeft[0], 440, kCheckWidth[0], kComboHeight}},

    // The cheat box and the keep box.
    ControlPlace{&ArrayElement<&Form1::Label2, 1>,
                 K::Label,
                 IDC_Label2_1,
                 {kMargin, 470, kComboWidth, kCaptionHeight},
                 L::Caption},
    ControlPlace{&Field<&Form1::TX1>,
                 K::TextBox,
                 IDC_TX1,
                 {kMargin, 488, kForm1Width - 2 * kMargin, kComboHeight},
                 L::Cheat},
    ControlPlace{&Field<&Form1::Check2>, K::CheckBox, IDC_Check2, {kMargin, 518, 16, kCheckHeight}, L::Plain, 0, ""},
    ControlPlace{&ArrayElement<&Form1::Label2, 0>,
                 K::Label,
                 IDC_Label2_0,
                 {kMargin + 18, 519, 120, kCaptionHeight},
                 L::Caption},

    // The links along the bottom left.
    ControlPlace{&ArrayElement<&Form1::FLB, 0>, K::Link, IDC_FLB_0, {kMargin, kBottomTop, 30, 16}, L::Plain, 0},
    ControlPlace{&ArrayElement<&Form1::FLB, 1>, K::Link, IDC_FLB_1, {kMargin + 42, kBottomTop, 30, 16}, L::Plain, 1},
    ControlPlace{&ArrayElement<&Form1::FLB, 2>, K::Link, IDC_FLB_2, {kMargin + 84, kBottomTop, 30, 16}, L::Plain, 2},
    ControlPlace{&ArrayElement<&Form1::FLB, 3>, K::Link, IDC_FLB_3, {kMargin + 126, kBottomTop, 36, 16}, L::Plain, 3},
    ControlPlace{&ArrayElement<&Form1::FLB, 4>, K::Link, IDC_FLB_4, {kMargin + 174, kBottomTop, 64, 16}, L::Plain, 4},
};

}  // namespace

std::span<const ControlPlace> Form1Layout() {
    return kLayout;
}

const ControlPlace* FindPlace(int id) {
    for (const ControlPlace& place : kLayout)
        if (place.id == id)
            return &place;
    return nullptr;
}

}  // namespace pp
