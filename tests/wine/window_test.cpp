#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "menu/game_view_win32.h"
#include "model/control_ids.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"
#include "view/form1_layout.h"
#include "view/main_window_win32.h"
#include "view/pitch.h"
#include "view/skin_win32.h"
#include "win32/com.h"
#include "win32/text.h"

namespace pp {
namespace {

// The real window over an unwired model on the native fakes; the end-to-end journey proves that
// input reaches the model and comes back.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        for (MSG left{}; ::PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE);) {
        }
        ASSERT_TRUE(window.Create());
        window.Show(SW_SHOW);
        ::SetForegroundWindow(window.Handle());
    }
    HWND Child(int id) { return ::GetDlgItem(window.Handle(), id); }
    // A key as the message loop hands it to the focused control, and what it brings.
    void Key(UINT message, WPARAM key) {
        MSG next{::GetFocus() ? ::GetFocus() : window.Handle(), message, key, 1, 0, {}};
        do {
            if (!window.PreTranslate(next)) {
                ::TranslateMessage(&next);
                ::DispatchMessageW(&next);
            }
        } while (::PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE));
    }
    void Press(WORD key) {
        Key(WM_KEYDOWN, key);
        Key(WM_KEYUP, key);
    }
    // An editable combo box has the focus in its edit field.
    int FocusedId() {
        HWND focus = ::GetFocus();
        if (focus && ::GetParent(focus) != window.Handle())
            focus = ::GetParent(focus);
        return focus ? ::GetDlgCtrlID(focus) : 0;
    }
    // Windows' option buttons (not Wine's) report a click on focus; a Tab must not choose with it.
    void ClickOptionButtonsOnFocus() {
        for (const int id : {IDC_OT_0, IDC_OT_1, IDC_OT_2})
            ::SetWindowSubclass(
                Child(id),
                [](HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
                    const LRESULT result = ::DefSubclassProc(button, message, wParam, lParam);
                    if (message == WM_SETFOCUS && ::SendMessageW(button, BM_GETCHECK, 0, 0) != BST_CHECKED)
                        ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                                       reinterpret_cast<LPARAM>(button));
                    return result;
                },
                1, 0);
    }
    void Sync() { ::SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, 0); }
    // Tab from the window until it comes round to the first control again.
    std::vector<int> WalkWithTab() {
        ::SetFocus(window.Handle());
        std::vector<int> visited;
        for (size_t i = 0; i < 2 * Form1Layout().size(); ++i) {
            Key(WM_KEYDOWN, VK_TAB);
            if (!visited.empty() && FocusedId() == visited.front())
                break;
            visited.push_back(FocusedId());
        }
        return visited;
    }
    FakeOs fake;
    Form1 form{fake.os};
    win32::MainWindowHost windowHost;
    win32::MainWindow window{form, windowHost, ::GetModuleHandleW(nullptr)};
};

// Row by row, left to right: the title buttons, the buttons, teams, kits and sides; the option boxes
// three a row, the modifiers; the check boxes two a row, the language; the cheat and keep boxes; links.
constexpr int kReadingOrder[] = {
    IDC_FBU_99,  IDC_FBU_0,   IDC_FBU_1,   IDC_FBU_2,   IDC_FBU_3,   IDC_Combo1,  IDC_Combo2,  IDC_Combo3,  IDC_OT_0,
    IDC_OT_1,    IDC_OT_2,    IDC_Combo4,  IDC_Combo5,  IDC_Combo6,  IDC_Combo7,  IDC_Combo8,  IDC_Combo16, IDC_Combo19,
    IDC_Combo9,  IDC_Combo11, IDC_Combo13, IDC_Combo10, IDC_Combo12, IDC_Combo14, IDC_Combo15, IDC_ZMO,     IDC_HMO,
    IDC_Check70, IDC_Check3,  IDC_Check8,  IDC_Check4,  IDC_Check9,  IDC_Check5,  IDC_Check10, IDC_Check21, IDC_Check18,
    IDC_Check6,  IDC_Check19, IDC_Check7,  IDC_Check17, IDC_Check13, IDC_Check25, IDC_Check16, IDC_Check26, IDC_Check28,
    IDC_Check14, IDC_Check12, IDC_Check15, IDC_Check11, IDC_Check22, IDC_Check20, IDC_Combo18, IDC_TX1,     IDC_Check2,
    IDC_FLB_0,   IDC_FLB_1,   IDC_FLB_2,   IDC_FLB_3,   IDC_FLB_4,
};

TEST_F(MainWindowTest, TabWalksEveryEnabledControlInReadingOrderAndEnterOrSpacePressesIt) {
    ClickOptionButtonsOnFocus();
    for (const bool allEnabled : {false, true}) {
        SCOPED_TRACE(allEnabled ? "every control enabled" : "as made");
        if (allEnabled) {
            for (Control* disabled : std::initializer_list<Control*>{&form.Check2, &form.Check6, &form.Check20,
                                                                     &form.Combo18, &form.ZMO, &form.HMO})
                disabled->SetEnabled(true);
            Sync();
        }
        std::vector<int> expected;
        std::copy_if(std::begin(kReadingOrder), std::end(kReadingOrder), std::back_inserter(expected),
                     [&](int id) { return ::IsWindowEnabled(Child(id)); });
        EXPECT_EQ(expected.size() == std::size(kReadingOrder), allEnabled);
        EXPECT_EQ(WalkWithTab(), expected);
        // Every enabled control of the window is one of them, whatever the table holds.
        std::set<int> enabled;
        for (HWND c = ::GetWindow(window.Handle(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
            if (wchar_t name[16]{};
                ::GetClassNameW(c, name, 16) && ::lstrcmpiW(name, L"Static") != 0 && ::IsWindowEnabled(c))
                enabled.insert(::GetDlgCtrlID(c));
        EXPECT_EQ(enabled, std::set<int>(expected.begin(), expected.end()));
    }
    EXPECT_EQ(form.OT.Selected(), 0) << "a Tab chose a side";
    ::SetFocus(Child(IDC_OT_1));  // as the mouse takes it: the click chooses it
    Key(WM_KEYDOWN, VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_OT_2);
    Press(VK_RETURN);
    EXPECT_EQ(form.OT.Selected(), 2);
    const std::pair<int, WORD> presses[] = {{IDC_Check3, VK_RETURN}, {IDC_Check4, VK_SPACE},  {IDC_FLB_1, VK_RETURN},
                                            {IDC_FLB_2, VK_SPACE},   {IDC_FBU_99, VK_RETURN}, {IDC_FBU_99, VK_SPACE}};
    for (const auto& [id, key] : presses) {
        ::SetFocus(Child(id));
        Press(key);
    }
    EXPECT_TRUE(form.Check3.Value() == 1 && form.Check4.Value() == 1);
    EXPECT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(fake.window.minimises, 2);
}

// Named from its caption or, for a box, the one above; what shows no words, by what it is.
TEST_F(MainWindowTest, EveryControlHasTheNameOfItsLabelForScreenReaders) {
    const win32::ComScope com;
    auto nameOf = [](HWND control) {
        win32::ComOwner<IAccessible> object;
        if (FAILED(::AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_PPV_ARGS(object.Put()))))
            return std::string("no object");
        VARIANT self{};
        self.vt = VT_I4;  // CHILDID_SELF is 0
        BSTR name = nullptr;
        std::string text = SUCCEEDED(object->get_accName(self, &name)) && name ? win32::Narrow(name) : "";
        ::SysFreeString(name);
        return text;
    };
    auto captionOf = [&](const ControlPlace& place) {
        if (const auto* label = std::get_if<CaptionView>(&place.shows))
            return label->Model(form).Caption();
        if (const auto* link = std::get_if<LinkView>(&place.shows))
            return link->Model(form).Caption();
        const auto* box = std::get_if<CheckBoxView>(&place.shows);
        return box ? box->Model(form).Caption() : "";
    };
    ::SendMessageW(Child(IDC_Combo3), CB_SETCURSEL, 1, 0);  // named all the same
    const auto layout = Form1Layout();
    for (size_t i = 0; i < layout.size(); ++i) {
        const ViewKind kind = layout[i].Kind();
        if (kind == ViewKind::Line)
            continue;
        const bool box = kind == ViewKind::ComboBox || kind == ViewKind::TextBox;
        const std::string expected = layout[i].name ? layout[i].name : captionOf(layout[box ? i - 1 : i]);
        EXPECT_TRUE(!expected.empty() || layout[i].id == IDC_FolderNote) << layout[i].id;
        EXPECT_EQ(nameOf(Child(layout[i].id)), expected) << layout[i].id;
    }
}

// A disabled box keeps the focus where it was. In the companion window Esc closes it from a
// one-line box as from a many-line one, which takes the key for itself.
TEST_F(MainWindowTest, AltAndACaptionsLetterMovesToItsBoxAndEscClosesTheCompanion) {
    for (const auto& [key, id] : {std::pair{L'h', IDC_Combo1}, std::pair{L'W', IDC_Combo4}, std::pair{L'u', IDC_Combo7},
                                  std::pair{L'O', IDC_ZMO}, std::pair{L't', IDC_TX1}}) {
        Key(WM_SYSCHAR, key);
        EXPECT_EQ(FocusedId(), id) << static_cast<char>(key);
    }
    form.HMO.SetEnabled(false);
    Sync();
    Key(WM_SYSCHAR, L'f');
    EXPECT_EQ(FocusedId(), IDC_TX1) << "the letter of a disabled box's caption moved the focus";
    for (const auto& [letter, id] :
         {std::pair{L'w', win32::IDC_GameView_Folder}, {L'a', win32::IDC_GameView_Parameters}}) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        ::SetFocus(window.Handle());
        Key(WM_KEYDOWN, 'G');
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
        const HWND view = ::FindWindowW(win32::kGameViewClassName, nullptr);
        ASSERT_TRUE(view && ::IsWindowVisible(view)) << "Ctrl+G opened nothing";
        ::SetFocus(::GetDlgItem(view, win32::IDC_GameView_Start));
        Key(WM_SYSCHAR, letter);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(view, id));
        Key(WM_KEYDOWN, VK_ESCAPE);
        EXPECT_FALSE(::IsWindow(view)) << id;
    }
}

TEST(Skin, BackgroundFacesAndTogglesAreDrawnAtEveryScale) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const Picture background = win32::DrawBackground(dpi);
        ASSERT_TRUE(background.width == ScaleToDpi(kForm1Width, dpi) &&
                    background.height == ScaleToDpi(kForm1Height, dpi));
        EXPECT_TRUE(std::all_of(background.pixels.begin(), background.pixels.end(),
                                [](uint32_t p) { return p >> 24 == 0xFF; }));
        Picture pitch(background.width, background.height);
        PaintPitch(pitch, kForm1Width, kForm1Height);
        const int x = background.width / 2, y = ScaleToDpi(5, dpi);
        EXPECT_NE(background.At(x, y), pitch.At(x, y)) << "the title band, drawn by GDI+ onto the pitch";
        const ButtonFaceSet faces = win32::DrawButtonFaces(dpi);
        for (const ImageButtonRow& button : kImageButtons) {
            const ButtonFaces& face = faces.at(button.index);
            ASSERT_TRUE(face.normal && face.hover) << button.index;
            EXPECT_TRUE(face.normal->width == ScaleToDpi(button.width, dpi) &&
                        face.hover->height == ScaleToDpi(button.height, dpi));
            EXPECT_LT(face.normal->At(0, 0) >> 24, 128u) << "rounded, see-through corners";
            EXPECT_NE(face.normal->pixels, face.hover->pixels);
            if (button.InCorner())
                continue;
            // A missing font would leave a bare plate.
            const Picture& plate = *face.normal;
            int ink = 0;
            for (int x = plate.width / 4; x < plate.width * 3 / 4; ++x)
                ink += plate.At(x, plate.height / 2) != plate.At(plate.width / 8, plate.height / 2);
            EXPECT_GT(ink, 3) << button.caption;
        }
        const Picture clear = win32::DrawToggle(win32::ToggleShape::Box, {}, ScaleToDpi(13, dpi));
        EXPECT_EQ(clear.width, ScaleToDpi(13, dpi));
        EXPECT_NE(clear.pixels, win32::DrawToggle(win32::ToggleShape::Box, {1}, ScaleToDpi(13, dpi)).pixels);
    }
}

}  // namespace
}  // namespace pp
