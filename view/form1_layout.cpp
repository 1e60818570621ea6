#include "view/form1_layout.h"

#include <array>

#include "model/control_ids.h"
#include "model/form1.h"
#include "model/image_buttons.h"
#include "model/links.h"

namespace pp {
namespace {

template <auto Member, size_t Element>
Label& ArrayElement(Form1& form) {
    return (form.*Member)[Element];
}

using L = ViewLook;

Label& FolderNote(Form1& form) {
    return form.FolderNote;
}

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

constexpr Rect96 CaptionPlace(int column, int row) {
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
constexpr int kKitWidth = 150;

constexpr Rect96 TeamCaption(int left) {
    return {left, kTeamTop, kTeamWidth, kCaptionHeight};
}
constexpr Rect96 TeamBox(int left) {
    return {left, kTeamTop + 18, kTeamWidth, kComboHeight};
}
constexpr Rect96 KitCaption(int left) {
    return {left, kTeamTop + 48, kKitWidth, kCaptionHeight};
}
constexpr Rect96 KitBox(int left) {
    return {left, kTeamTop + 66, kKitWidth, kComboHeight};
}
constexpr Rect96 LogoAt(int left) {
    return {left, kTeamTop, kLogoSize, kLogoSize};
}
// A side button centred on `centre`.
constexpr Rect96 SideButtonAt(int centre) {
    return {centre - kSideSize / 2, kSideTop, kSideSize, kSideSize};
}

constexpr int kBottomTop = 546;
constexpr int kLinkHeight = 16;

// An image button at (x, y); its size, caption and name are the button's own.
ControlPlace ImageButtonAt(int index, int x, int y) {
    const ImageButtonRow& button = *FindImageButton(index);
    return ControlPlace{
        ImageButtonView{index}, button.id, {x, y, button.width, button.height}, L::Plain, button.caption}
        .Named(button.name);
}

// The caption Label1(element) above the option box at (column, row), with its access key.
template <size_t Element>
ControlPlace CaptionAt(int id, int column, int row, char key) {
    return ControlPlace{CaptionView{&ArrayElement<&Form1::Label1, Element>}, id, CaptionPlace(column, row), L::Caption}
        .AccessKey(key);
}

// Link label `element` along the bottom edge.
ControlPlace LinkAt(int element, int x, int width) {
    return {LinkView{element}, kLinks[static_cast<size_t>(element)].id, {x, kBottomTop, width, kLinkHeight}};
}

const std::array kLayout = {
    // Top edge: the hot-key notice, minimise and close; the three command buttons.
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label2, 2>}, IDC_Label2_2, {212, 6, 301, 16}, L::Notice},
    ImageButtonAt(99, 681, 4),
    ImageButtonAt(0, 702, 4),
    ImageButtonAt(1, kMargin, 30),
    ImageButtonAt(2, kMargin + 83, 30),
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label2, 3>}, IDC_Label2_3, {518, 33, 110, 16}, L::Caption},
    ImageButtonAt(3, 634, 30),
    ControlPlace{LineView{}, IDC_Line1_0, {kMargin, 60, kForm1Width - 2 * kMargin, 1}},

    // Teams: the two team boxes with the logos between them; the kits with the side buttons between them.
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label1, 0>}, IDC_Label1_0, TeamCaption(kMargin), L::Caption}
        .AccessKey('H'),
    ControlPlace{ComboBoxView{&Form1::Combo1}, IDC_Combo1, TeamBox(kMargin)},
    ControlPlace{LogoView{&Form1::P_SHOW}, IDC_P_SHOW, LogoAt(kHomeLogoLeft)}.Named("Home team logo"),
    ControlPlace{LogoView{&Form1::P_SHOW2}, IDC_P_SHOW2, LogoAt(kAwayLogoLeft)}.Named("Away team logo"),
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label1, 1>}, IDC_Label1_1, TeamCaption(kAwayLeft), L::Caption}
        .AccessKey('A'),
    ControlPlace{ComboBoxView{&Form1::Combo2}, IDC_Combo2, TeamBox(kAwayLeft)},
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label1, 2>}, IDC_Label1_2, KitCaption(kMargin), L::Caption}
        .AccessKey('K'),
    ControlPlace{ComboBoxView{&Form1::Combo3}, IDC_Combo3, KitBox(kMargin)},
    ControlPlace{OptionButtonView{0}, IDC_OT_0, SideButtonAt(kHomeLogoLeft + kLogoSize / 2)}.Named(
        "Play the home team"),
    ControlPlace{OptionButtonView{1}, IDC_OT_1, SideButtonAt(kForm1Width / 2)}.Named("Choose the side in the game"),
    ControlPlace{OptionButtonView{2}, IDC_OT_2, SideButtonAt(kAwayLogoLeft + kLogoSize / 2)}.Named(
        "Play the away team"),
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label1, 3>}, IDC_Label1_3, KitCaption(kAwayLeft), L::Caption}
        .AccessKey('W'),
    ControlPlace{ComboBoxView{&Form1::Combo4}, IDC_Combo4, KitBox(kAwayLeft)},
    ControlPlace{LineView{}, IDC_Line1_1, {kMargin, 176, kForm1Width - 2 * kMargin, 1}},

    // Captioned option boxes, row by row.
    CaptionAt<4>(IDC_Label1_4, 0, 0, 'S'),
    ControlPlace{ComboBoxView{&Form1::Combo5}, IDC_Combo5, ComboAt(0, 0)},
    CaptionAt<5>(IDC_Label1_5, 1, 0, 'L'),
    ControlPlace{ComboBoxView{&Form1::Combo6}, IDC_Combo6, ComboAt(1, 0)},
    CaptionAt<6>(IDC_Label1_6, 2, 0, 'U'),
    ControlPlace{ComboBoxView{&Form1::Combo7}, IDC_Combo7, ComboAt(2, 0)},

    CaptionAt<7>(IDC_Label1_7, 0, 1, 'Q'),
    ControlPlace{ComboBoxView{&Form1::Combo8}, IDC_Combo8, ComboAt(0, 1)},
    CaptionAt<16>(IDC_Label1_16, 1, 1, 'E'),
    ControlPlace{ComboBoxView{&Form1::Combo16}, IDC_Combo16, ComboAt(1, 1)},
    CaptionAt<19>(IDC_Label1_19, 2, 1, 'P'),
    ControlPlace{ComboBoxView{&Form1::Combo19}, IDC_Combo19, ComboAt(2, 1)},

    CaptionAt<8>(IDC_Label1_8, 0, 2, 'C'),
    ControlPlace{ComboBoxView{&Form1::Combo9}, IDC_Combo9, ComboAt(0, 2)},
    CaptionAt<10>(IDC_Label1_10, 1, 2, 'Z'),
    ControlPlace{ComboBoxView{&Form1::Combo11}, IDC_Combo11, ComboAt(1, 2)},
    CaptionAt<12>(IDC_Label1_12, 2, 2, 'I'),
    ControlPlace{ComboBoxView{&Form1::Combo13}, IDC_Combo13, ComboAt(2, 2)},

    CaptionAt<9>(IDC_Label1_9, 0, 3, 'D'),
    ControlPlace{ComboBoxView{&Form1::Combo10}, IDC_Combo10, ComboAt(0, 3)},
    CaptionAt<11>(IDC_Label1_11, 1, 3, 'G'),
    ControlPlace{ComboBoxView{&Form1::Combo12}, IDC_Combo12, ComboAt(1, 3)},
    CaptionAt<13>(IDC_Label1_13, 2, 3, 'M'),
    ControlPlace{ComboBoxView{&Form1::Combo14}, IDC_Combo14, ComboAt(2, 3)},

    CaptionAt<14>(IDC_Label1_14, 0, 4, 'R'),
    ControlPlace{ComboBoxView{&Form1::Combo15}, IDC_Combo15, ComboAt(0, 4)},
    CaptionAt<15>(IDC_Label1_15, 1, 4, 'O'),
    ControlPlace{TextBoxView{&Form1::ZMO}, IDC_ZMO, ComboAt(1, 4)},
    CaptionAt<21>(IDC_Label1_21, 2, 4, 'F'),
    ControlPlace{TextBoxView{&Form1::HMO}, IDC_HMO, ComboAt(2, 4)},
    ControlPlace{CheckBoxView{&Form1::Check70},
                 IDC_Check70,
                 {kColumn[1], ComboAt(1, 4).Bottom() + 6, kComboWidth, kCheckHeight}},

    // Check boxes, row by row: the screen and picture down the first column, the rules of the match
    // down the second.
    ControlPlace{CheckBoxView{&Form1::Check3}, IDC_Check3, CheckAt(0, 0)},
    ControlPlace{CheckBoxView{&Form1::Check8}, IDC_Check8, CheckAt(1, 0)},
    ControlPlace{CheckBoxView{&Form1::Check4}, IDC_Check4, CheckAt(0, 1)},
    ControlPlace{CheckBoxView{&Form1::Check9}, IDC_Check9, CheckAt(1, 1)},
    ControlPlace{CheckBoxView{&Form1::Check5}, IDC_Check5, CheckAt(0, 2)},
    ControlPlace{CheckBoxView{&Form1::Check10}, IDC_Check10, CheckAt(1, 2)},
    ControlPlace{CheckBoxView{&Form1::Check21}, IDC_Check21, CheckAt(0, 3)},
    ControlPlace{CheckBoxView{&Form1::Check18}, IDC_Check18, CheckAt(1, 3)},
    ControlPlace{CheckBoxView{&Form1::Check6}, IDC_Check6, CheckAt(0, 4)},
    ControlPlace{CheckBoxView{&Form1::Check19}, IDC_Check19, CheckAt(1, 4)},
    ControlPlace{CheckBoxView{&Form1::Check7}, IDC_Check7, CheckAt(0, 5)},
    ControlPlace{CheckBoxView{&Form1::Check17}, IDC_Check17, CheckAt(1, 5)},
    ControlPlace{CheckBoxView{&Form1::Check13}, IDC_Check13, CheckAt(0, 6)},
    ControlPlace{CheckBoxView{&Form1::Check25}, IDC_Check25, CheckAt(1, 6)},
    ControlPlace{CheckBoxView{&Form1::Check16}, IDC_Check16, CheckAt(0, 7)},
    ControlPlace{CheckBoxView{&Form1::Check26}, IDC_Check26, CheckAt(1, 7)},
    ControlPlace{CheckBoxView{&Form1::Check28}, IDC_Check28, CheckAt(0, 8)},
    ControlPlace{CheckBoxView{&Form1::Check14}, IDC_Check14, CheckAt(1, 8)},
    ControlPlace{CheckBoxView{&Form1::Check12}, IDC_Check12, CheckAt(0, 9)},
    ControlPlace{CheckBoxView{&Form1::Check15}, IDC_Check15, CheckAt(1, 9)},
    ControlPlace{CheckBoxView{&Form1::Check11}, IDC_Check11, CheckAt(0, 10)},
    ControlPlace{CheckBoxView{&Form1::Check22}, IDC_Check22, CheckAt(1, 10)},
    ControlPlace{CheckBoxView{&Form1::Check20},
                 IDC_Check20,
                 {kCheckLeft[0], 420, kCheckWidth[0], kCheckHeight},
                 L::Warning},
    ControlPlace{ComboBoxView{&Form1::Combo18}, IDC_Combo18, {kCheckLeft[0], 440, kCheckWidth[0], kComboHeight}},

    // The cheat box and the keep box.
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label2, 1>},
                 IDC_Label2_1,
                 {kMargin, 470, kComboWidth, kCaptionHeight},
                 L::Caption}
        .AccessKey('T'),
    ControlPlace{TextBoxView{&Form1::TX1}, IDC_TX1, {kMargin, 488, kForm1Width - 2 * kMargin, kComboHeight}, L::Cheat},
    ControlPlace{CheckBoxView{&Form1::Check2}, IDC_Check2, {kMargin, 518, 16, kCheckHeight}, L::Plain, ""},
    ControlPlace{CaptionView{&ArrayElement<&Form1::Label2, 0>},
                 IDC_Label2_0,
                 {kMargin + 18, 519, 120, kCaptionHeight},
                 L::Caption},
    ControlPlace{CaptionView{&FolderNote}, IDC_FolderNote, {160, 519, kForm1Width - kMargin - 160, kCaptionHeight}},

    // The links along the bottom left.
    LinkAt(0, kMargin, 30),
    LinkAt(1, kMargin + 42, 30),
    LinkAt(2, kMargin + 84, 30),
    LinkAt(3, kMargin + 126, 36),
    LinkAt(4, kMargin + 174, 64),
};

}  // namespace

Label& LinkView::Model(Form1& form) const {
    return form.FLB.at(static_cast<size_t>(element));
}
CheckBox& CheckBoxView::Model(Form1& form) const {
    return form.*model;
}
OptionButtonArray& OptionButtonView::Model(Form1& form) const {
    return form.OT;
}
ComboBox& ComboBoxView::Model(Form1& form) const {
    return form.*model;
}
TextBox& TextBoxView::Model(Form1& form) const {
    return form.*model;
}
PictureBox& ImageButtonView::Model(Form1& form) const {
    return form.FBU.at(index);
}
PictureBox& LogoView::Model(Form1& form) const {
    return form.*model;
}

std::span<const ControlPlace> Form1Layout() {
    return kLayout;
}

std::string MarkAccessKey(std::string_view caption, char key) {
    std::string marked;
    bool keyMarked = key == 0;
    for (char c : caption) {
        if (c == '&')
            marked += '&';
        else if (!keyMarked && (c == key || (c >= 'a' && c <= 'z' && c - 'a' + 'A' == key))) {
            marked += '&';
            keyMarked = true;
        }
        marked += c;
    }
    return marked;
}

const ControlPlace* FindPlace(int id) {
    for (const ControlPlace& place : kLayout)
        if (place.id == id)
            return &place;
    return nullptr;
}

}  // namespace pp
