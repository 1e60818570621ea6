#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "config/picture_loader_win32.h"
#include "config/profile_writer_win32.h"
#include "files/file_system_win32.h"
#include "model/form1.h"
#include "process/key_state_win32.h"
#include "process/mmshut_win32.h"
#include "state/registry_settings_store_win32.h"
#include "state/saved_state.h"
#include "tests/native/support/fakes.h"
#include "tests/wine/support/registry_test_key.h"
#include "tests/wine/support/temp_folder.h"

namespace pp {
namespace {

// Whole runs of the tool's model, from start-up to exit and again, on a real game folder and the
// real registry. The store sits below a test key of its own, so the application name stays "KWTR"
// as the tool has it while the tool's real key is never touched. Only the program's own host (its
// folder, the single-instance lock, the fatal message), the shell and the window frame are
// stand-ins: no run here ends, opens anything or drags a window.
class SavedStateRun : public testing::Test {
  protected:
    SavedStateRun() {
        // List files are bytes of the ANSI code page: 0xC9 is "É".
        test::WriteFile(folder / "KWTR\\teams.ini", "Zeta Rovers,21\r\n\xC9toile Sportive,22\r\nAlder FC,23\r\n");
        test::WriteFile(folder / "KWTR\\stads.ini", "Brookfield Park,7\r\nAshgrove Lane,4\r\n");
        test::WriteFile(folder / "data\\fifa.fat", "");
        test::WriteFile(folder / "fifa09.exe", "");
        test::WriteFile(folder / "data\\cmn\\fifa.db", "");
        test::MakeFolders(folder / "KWTR\\PP09");
        host.programFolder = folder / "KWTR\\PP09";
        realKeyExisted = test::RegistryKeyExists(L"Software\\KWTR");
    }
    ~SavedStateRun() override { EXPECT_EQ(test::RegistryKeyExists(L"Software\\KWTR"), realKeyExisted); }

    std::unique_ptr<Form1> Start() {
        auto form = std::make_unique<Form1>(os);
        WireHandlers(*form);
        form->Load();
        return form;
    }
    std::string Root() const { return folder.Path() + "\\"; }

    test::TempFolder folder{"pp run"};
    test::RegistryTestKey base;
    bool realKeyExisted = false;

    win32::WindowsFileSystem files;
    FakeHost host;
    win32::RegistrySettingsStore settings{base.Path()};
    win32::WindowsProfileWriter profile;
    RecordingShell shell;
    win32::ToolhelpProcessTable processes;
    win32::WindowsKeyState keys;
    win32::GdiplusPictureLoader pictures;
    RecordingWindow window;
    Os os{files, host, settings, profile, shell, processes, keys, pictures, window};
};

std::vector<std::string> ControlsOf(Form1& f) {
    std::vector<std::string> s;
    for (CheckBox* b : {&f.Check2,  &f.Check3,  &f.Check4,  &f.Check5,  &f.Check6,  &f.Check7,  &f.Check8,  &f.Check9,
                        &f.Check10, &f.Check11, &f.Check12, &f.Check13, &f.Check14, &f.Check15, &f.Check16, &f.Check17,
                        &f.Check18, &f.Check19, &f.Check21, &f.Check22, &f.Check25, &f.Check26, &f.Check28, &f.Check70})
        s.push_back(b->Name() + "=" + std::to_string(b->Value()) + (b->Enabled() ? "" : " disabled"));
    for (ComboBox* c :
         {&f.Combo1, &f.Combo2, &f.Combo3, &f.Combo4, &f.Combo5, &f.Combo6, &f.Combo7, &f.Combo8, &f.Combo9, &f.Combo10,
          &f.Combo11, &f.Combo12, &f.Combo13, &f.Combo14, &f.Combo15, &f.Combo16, &f.Combo19})
        s.push_back(c->Name() + "=" + std::to_string(c->ListIndex()) + " " + c->Text());
    for (TextBox* t : {&f.ZMO, &f.HMO, &f.TX1})
        s.push_back(t->Name() + "=" + t->Text() + (t->Enabled() ? "" : " disabled"));
    return s;
}

std::vector<std::string> SlotsOf(const Form1& f) {
    std::vector<std::string> s;
    for (int i = 0; i < SlotTable::kSize; ++i)
        s.push_back(f.slots.Read(i));
    return s;
}

void TypeInto(TextBox& box, const std::string& text) {
    while (!box.Text().empty())
        box.UserTypes(8);
    for (char c : text)
        box.UserTypes(c);
}

const std::string kCheat = "DEBUG_SHOOTOUT=1 \xC3\x89QUIPE=\xE2\x82\xAC\xE6\x97\xA5";  // beyond the code page

TEST_F(SavedStateRun, StateSetThroughTheControlsComesBackAfterARestart) {
    auto first = Start();
    first->Check2.SetValue(1);  // the keep box takes no user clicks
    first->Check3.UserClick();
    first->Check10.UserClick();
    first->Combo16.UserPick(2);
    first->Check16.UserClick();
    first->Check70.UserClick();
    TypeInto(first->ZMO, "0.75");
    TypeInto(first->HMO, "-1.5");
    const int etoile = FindInList(first->Combo1.List(), "\xC3\x89toile Sportive", true, -1);
    ASSERT_GE(etoile, 0);
    first->Combo1.UserPick(etoile);
    first->Combo2.UserPick(2);
    first->Combo5.UserPick(1);
    first->Combo3.UserPick(3);
    first->Combo7.UserPick(5);
    first->Combo9.UserPick(13);
    first->Combo14.UserPick(7);
    first->OT.UserSelect(2);
    first->TX1.SetText(kCheat);
    first->Check70.Click();  // as the save command does before it reads the modifier slots
    test::WriteFile(Root() + "user.ini", "[OPTIONS]\r\nBOOKINGS=1\r\n");
    const std::vector<std::string> controls = ControlsOf(*first);
    std::vector<std::string> slots = SlotsOf(*first);
    first->Unload();
    first.reset();

    std::string userIni;
    EXPECT_TRUE(test::ReadFile(Root() + "user.ini", userIni)) << "the keep box was checked";
    EXPECT_EQ(userIni, "[OPTIONS]\r\nBOOKINGS=1\r\n");
    EXPECT_TRUE(test::RegistryKeyExists(base.Path() + L"\\KWTR\\09PP"));
    EXPECT_EQ(settings.Get(kSettingsApplication, "09PP", "YC"), kCheat);
    EXPECT_EQ(settings.Get(kSettingsApplication, "09PP", "c20"), "0");
    EXPECT_EQ(settings.Get(kSettingsApplication, "09PP", "cb18"), "-1");

    auto second = Start();
    second->Check70.Click();
    EXPECT_EQ(ControlsOf(*second), controls);
    // The side choice is not kept: every start begins on the home side.
    EXPECT_EQ(second->OT.Selected(), 0);
    slots[96] = "SIDE_SELECT=-h";
    EXPECT_EQ(SlotsOf(*second), slots);
    EXPECT_EQ(second->TX1.Text(), kCheat);
    EXPECT_EQ(second->slots.Read(9), "OPTIONS/BOOKINGS=1");
    EXPECT_EQ(second->slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=1");
    EXPECT_EQ(second->slots.Read(50), "HOME_TEAM=22");
    EXPECT_EQ(second->slots.Read(56), "RESOLUTION=1440x900x32");
    EXPECT_EQ(second->slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.75");

    second->Check2.SetValue(0);
    second->Unload();
    second.reset();
    EXPECT_FALSE(test::FileExists(Root() + "user.ini")) << "the keep box was clear";

    auto third = Start();
    EXPECT_EQ(third->Check2.Value(), 0);
    EXPECT_EQ(third->Combo9.Text(), "Action 2");
}

TEST_F(SavedStateRun, FirstRunOnAnEmptyStoreStartsFromTheDefaults) {
    auto form = Start();
    EXPECT_EQ(form->Check2.Value(), 0);
    EXPECT_EQ(form->Combo1.Text(), "Alder FC");
    EXPECT_EQ(form->Combo7.Text(), "1024x768x32");
    EXPECT_EQ(form->ZMO.Text(), "0.5");
    EXPECT_EQ(form->TX1.Text(), "");
    EXPECT_FALSE(test::RegistryKeyExists(base.Path())) << "start-up only reads";
    form->Unload();
    EXPECT_EQ(settings.Get(kSettingsApplication, "09PP", "cb7"), "2");
    EXPECT_EQ(settings.Get(kSettingsApplication, "09PP", "c71"), "0.5");
}

}  // namespace
}  // namespace pp
