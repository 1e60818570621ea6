#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "app/form1_layout.h"
#include "app/wiring.h"
#include "model/control_ids.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

class MainWindowLayout : public testing::Test {
  protected:
    // The model control a row shows, by its name; "" for decoration.
    std::string ModelName(const ControlPlace& place) { return place.model ? place.model(form).Name() : std::string(); }
    const ControlPlace& Place(int id) {
        const ControlPlace* place = FindPlace(id);
        EXPECT_NE(place, nullptr) << id;
        static const ControlPlace kNone{nullptr, ViewKind::Line, 0, {}};
        return place ? *place : kNone;
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

bool Overlap(const Rect96& a, const Rect96& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

TEST_F(MainWindowLayout, EveryShownControlIsPlacedOnceAndNoWorkingStorageIs) {
    const std::set<std::string> shown = {
        "Check2",     "Check3",     "Check4",     "Check5",     "Check6",     "Check7",     "Check8",     "Check9",
        "Check10",    "Check11",    "Check12",    "Check13",    "Check14",    "Check15",    "Check16",    "Check17",
        "Check18",    "Check19",    "Check20",    "Check21",    "Check22",    "Check25",    "Check26",    "Check28",
        "Check70",    "Combo1",     "Combo2",     "Combo3",     "Combo4",     "Combo5",     "Combo6",     "Combo7",
        "Combo8",     "Combo9",     "Combo10",    "Combo11",    "Combo12",    "Combo13",    "Combo14",    "Combo15",
        "Combo16",    "Combo18",    "Combo19",    "TX1",        "ZMO",        "HMO",        "FBU(0)",     "FBU(1)",
        "FBU(2)",     "FBU(3)",     "FBU(99)",    "FLB(0)",     "FLB(1)",     "FLB(2)",     "FLB(3)",     "FLB(4)",
        "Label2(0)",  "Label2(1)",  "Label2(2)",  "Label2(3)",  "P_SHOW",     "P_SHOW2",    "Label1(0)",  "Label1(1)",
        "Label1(2)",  "Label1(3)",  "Label1(4)",  "Label1(5)",  "Label1(6)",  "Label1(7)",  "Label1(8)",  "Label1(9)",
        "Label1(10)", "Label1(11)", "Label1(12)", "Label1(13)", "Label1(14)", "Label1(15)", "Label1(16)", "Label1(19)",
        "Label1(21)",
    };
    std::multiset<std::string> placed;
    int optionButtons = 0, lines = 0;
    for (const ControlPlace& place : Form1Layout()) {
        if (place.kind == ViewKind::OptionButton)
            ++optionButtons;
        else if (place.kind == ViewKind::Line)
            ++lines;
        else
            placed.insert(ModelName(place));
    }
    EXPECT_EQ(std::set<std::string>(placed.begin(), placed.end()), shown);
    EXPECT_EQ(placed.size(), shown.size()) << "a control is placed twice";
    EXPECT_EQ(optionButtons, form.OT.Count());
    EXPECT_EQ(lines, 2);
}

// The view casts the model control by the row's kind; a row whose model is of another kind would
// be undefined behaviour on screen.
TEST_F(MainWindowLayout, EachRowShowsAModelControlOfItsKind) {
    for (const ControlPlace& place : Form1Layout()) {
        SCOPED_TRACE(place.id);
        if (place.kind == ViewKind::Line) {
            EXPECT_EQ(place.model, nullptr);
            continue;
        }
        ASSERT_NE(place.model, nullptr);
        Control* control = &place.model(form);
        switch (place.kind) {
            case ViewKind::Label:
            case ViewKind::Link:
                EXPECT_NE(dynamic_cast<Label*>(control), nullptr);
                break;
            case ViewKind::CheckBox:
                EXPECT_NE(dynamic_cast<CheckBox*>(control), nullptr);
                break;
            case ViewKind::OptionButton: {
                auto* array = dynamic_cast<OptionButtonArray*>(control);
                ASSERT_NE(array, nullptr);
                EXPECT_GE(place.element, 0);
                EXPECT_LT(place.element, array->Count());
                break;
            }
            case ViewKind::ComboBox:
                EXPECT_NE(dynamic_cast<ComboBox*>(control), nullptr);
                break;
            case ViewKind::TextBox:
                EXPECT_NE(dynamic_cast<TextBox*>(control), nullptr);
                break;
            case ViewKind::ImageButton:
                ASSERT_NE(dynamic_cast<PictureBox*>(control), nullptr);
                EXPECT_EQ(control, &form.FBU.at(place.element)) << "the row's element is the button's index";
                break;
            case ViewKind::LogoBox:
                EXPECT_NE(dynamic_cast<PictureBox*>(control), nullptr);
                break;
            case ViewKind::Line:
                break;
        }
        if (place.kind == ViewKind::Link) {
            EXPECT_EQ(control, &form.FLB[static_cast<size_t>(place.element)])
                << "the row's element is the link's index";
        }
    }
}

TEST_F(MainWindowLayout, ControlIdsAreUniqueAndInTheirRange) {
    std::set<int> ids;
    for (const ControlPlace& place : Form1Layout()) {
        EXPECT_GE(place.id, kFirstControlId);
        EXPECT_LE(place.id, kLastControlId);
        EXPECT_TRUE(ids.insert(place.id).second) << "ID used twice: " << place.id;
    }
}

TEST_F(MainWindowLayout, ControlsLieInsideTheWindowWithoutOverlapping) {
    const auto layout = Form1Layout();
    for (size_t i = 0; i < layout.size(); ++i) {
        const Rect96& r = layout[i].rect;
        EXPECT_GT(r.width, 0) << layout[i].id;
        EXPECT_GT(r.height, 0) << layout[i].id;
        EXPECT_GE(r.x, 0) << layout[i].id;
        EXPECT_GE(r.y, 0) << layout[i].id;
        EXPECT_LE(r.Right(), kForm1Width) << layout[i].id;
        EXPECT_LE(r.Bottom(), kForm1Height) << layout[i].id;
        for (size_t j = i + 1; j < layout.size(); ++j)
            EXPECT_FALSE(Overlap(r, layout[j].rect)) << layout[i].id << " overlaps " << layout[j].id;
    }
}

TEST_F(MainWindowLayout, EveryCaptionSitsAboveItsBox) {
    const std::map<int, int> captionOf = {
        {IDC_Combo1, IDC_Label1_0},   {IDC_Combo2, IDC_Label1_1},   {IDC_Combo3, IDC_Label1_2},
        {IDC_Combo4, IDC_Label1_3},   {IDC_Combo5, IDC_Label1_4},   {IDC_Combo6, IDC_Label1_5},
        {IDC_Combo7, IDC_Label1_6},   {IDC_Combo8, IDC_Label1_7},   {IDC_Combo9, IDC_Label1_8},
        {IDC_Combo10, IDC_Label1_9},  {IDC_Combo11, IDC_Label1_10}, {IDC_Combo12, IDC_Label1_11},
        {IDC_Combo13, IDC_Label1_12}, {IDC_Combo14, IDC_Label1_13}, {IDC_Combo15, IDC_Label1_14},
        {IDC_ZMO, IDC_Label1_15},     {IDC_Combo16, IDC_Label1_16}, {IDC_Combo19, IDC_Label1_19},
        {IDC_HMO, IDC_Label1_21},     {IDC_TX1, IDC_Label2_1},      {IDC_Combo18, IDC_Check20},
    };
    for (const auto& [box, caption] : captionOf) {
        const Rect96& b = Place(box).rect;
        const Rect96& c = Place(caption).rect;
        EXPECT_LE(c.Bottom(), b.y) << caption << " is not above " << box;
        EXPECT_LE(b.y - c.Bottom(), 8) << caption << " is far from " << box;
        EXPECT_EQ(c.x, b.x) << caption << " does not start where " << box << " does";
    }
    // The keep box has its caption beside it.
    EXPECT_LT(Place(IDC_Check2).rect.Right(), Place(IDC_Label2_0).rect.x + 4);
    EXPECT_LE(std::abs(Place(IDC_Check2).rect.y - Place(IDC_Label2_0).rect.y), 2);
}

// Accessibility tools name a combo box or a text box after the label just before it in the
// window's z-order, which is the order of the table.
TEST_F(MainWindowLayout, EveryBoxComesRightAfterItsCaption) {
    const std::map<int, int> captionOf = {
        {IDC_Combo1, IDC_Label1_0},   {IDC_Combo2, IDC_Label1_1},   {IDC_Combo3, IDC_Label1_2},
        {IDC_Combo4, IDC_Label1_3},   {IDC_Combo5, IDC_Label1_4},   {IDC_Combo6, IDC_Label1_5},
        {IDC_Combo7, IDC_Label1_6},   {IDC_Combo8, IDC_Label1_7},   {IDC_Combo9, IDC_Label1_8},
        {IDC_Combo10, IDC_Label1_9},  {IDC_Combo11, IDC_Label1_10}, {IDC_Combo12, IDC_Label1_11},
        {IDC_Combo13, IDC_Label1_12}, {IDC_Combo14, IDC_Label1_13}, {IDC_Combo15, IDC_Label1_14},
        {IDC_ZMO, IDC_Label1_15},     {IDC_Combo16, IDC_Label1_16}, {IDC_Combo19, IDC_Label1_19},
        {IDC_HMO, IDC_Label1_21},     {IDC_TX1, IDC_Label2_1},
    };
    const auto layout = Form1Layout();
    for (size_t i = 0; i < layout.size(); ++i) {
        auto caption = captionOf.find(layout[i].id);
        if (caption == captionOf.end())
            continue;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(layout[i - 1].id, caption->second) << "the row before " << layout[i].id;
    }
}

TEST_F(MainWindowLayout, TeamsCommandsAndLinksSitWhereThePlayerLooks) {
    const Rect96 home = Place(IDC_Combo1).rect, away = Place(IDC_Combo2).rect;
    EXPECT_LT(home.Right(), away.x) << "home team on the left";
    EXPECT_EQ(home.y, away.y);

    // The side buttons in a row below the team boxes: home side, middle, away side.
    const Rect96 side[3] = {Place(IDC_OT_0).rect, Place(IDC_OT_1).rect, Place(IDC_OT_2).rect};
    for (const Rect96& s : side) {
        EXPECT_GE(s.y, home.Bottom());
        EXPECT_EQ(s.y, side[0].y);
    }
    EXPECT_LT(side[0].x, side[1].x);
    EXPECT_LT(side[1].x, side[2].x);
    EXPECT_LT(side[0].Right(), kForm1Width / 2);
    EXPECT_GT(side[2].x, kForm1Width / 2);

    // The two team logos are 72 x 72, the home one nearer the home box.
    const Rect96 homeLogo = Place(IDC_P_SHOW).rect, awayLogo = Place(IDC_P_SHOW2).rect;
    EXPECT_EQ(homeLogo.width, 72);
    EXPECT_EQ(homeLogo.height, 72);
    EXPECT_EQ(awayLogo.width, 72);
    EXPECT_EQ(awayLogo.height, 72);
    EXPECT_LT(homeLogo.x, awayLogo.x);

    // Minimise left of close, both in the top right corner, at their picture sizes.
    const Rect96 close = Place(IDC_FBU_0).rect, minimise = Place(IDC_FBU_99).rect;
    EXPECT_LT(minimise.Right(), close.x + 1);
    EXPECT_GE(close.Right(), kForm1Width - 8);
    EXPECT_LE(close.y, 8);
    EXPECT_EQ(minimise.y, close.y);
    for (const Rect96& r : {close, minimise}) {
        EXPECT_EQ(r.width, 19);
        EXPECT_EQ(r.height, 18);
    }
    for (int id : {IDC_FBU_1, IDC_FBU_2, IDC_FBU_3}) {
        EXPECT_EQ(Place(id).rect.width, 75);
        EXPECT_EQ(Place(id).rect.height, 22);
        EXPECT_LT(Place(id).rect.y, home.y) << "the command buttons sit near the top";
    }

    // The hot-key notice along the top edge; the links in a row along the bottom left.
    EXPECT_LE(Place(IDC_Label2_2).rect.y, 8);
    const int links[] = {IDC_FLB_0, IDC_FLB_1, IDC_FLB_2, IDC_FLB_3, IDC_FLB_4};
    for (size_t i = 0; i < std::size(links); ++i) {
        const Rect96& link = Place(links[i]).rect;
        EXPECT_GE(link.Bottom(), kForm1Height - 30);
        EXPECT_LT(link.Right(), kForm1Width / 2);
        if (i > 0) {
            EXPECT_GT(link.x, Place(links[i - 1]).rect.Right());
        }
    }
}

TEST(Dpi, ScalesLengthsAndFontsToTheNearestPixel) {
    struct Case {
        int length, dpi, scaled;
    };
    for (const Case& c : std::initializer_list<Case>{{725, 96, 725},
                                                     {569, 96, 569},
                                                     {725, 144, 1088},
                                                     {569, 120, 711},
                                                     {1, 120, 1},
                                                     {2, 120, 3},
                                                     {75, 192, 150},
                                                     {0, 144, 0},
                                                     {-10, 144, -15},
                                                     {19, 168, 33}}) {
        EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi;
    }
    // Scaling the edges keeps neighbours touching: 16 + 75 = 91 at any dpi.
    const PixelRect a = ScaleToDpi(Rect96{16, 30, 75, 22}, 120);
    const PixelRect b = ScaleToDpi(Rect96{91, 30, 75, 22}, 120);
    EXPECT_EQ(a.right, b.left);
    // Arial 9.75 pt is 13 pixels high at 96 dpi, 9 pt 12; both grow with the dpi.
    EXPECT_EQ(FontHeightForDpi(975, 96), -13);
    EXPECT_EQ(FontHeightForDpi(900, 96), -12);
    EXPECT_EQ(FontHeightForDpi(975, 144), -20);
    EXPECT_EQ(FontHeightForDpi(900, 192), -24);
}

}  // namespace
}  // namespace pp
