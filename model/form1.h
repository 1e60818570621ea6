#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "model/controls.h"
#include "model/fshut.h"
#include "model/game_watch.h"
#include "model/image_buttons.h"
#include "model/os.h"
#include "model/palette.h"
#include "model/slot_table.h"

namespace pp {

inline constexpr const char* kApplicationTitle = "09 Demo Pitch Pilot";

// The main window as a model: every control with its name, caption, items and design-time state,
// the directive slots and the few fields of the window. It is driven by its controls' events and
// its timers; the window on screen only shows it.
class Form1 {
  public:
    explicit Form1(Os& os);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Raises Load, the start-up sequence, run before the window shows. It may end the program (a
    // second copy, a missing game file).
    void Load();
    // Raises Unload, the exit sequence, run while the window closes.
    void Unload();

    // The window's own events and the terminator window's timer. The model raises them; what they
    // do is wired from outside (WireHandlers), like every control's handler.
    std::function<void()> onLoad;
    std::function<void()> onUnload;
    std::function<void()> onTerminatorTimer;

    // The terminator window, loaded (hidden, with its design-time state) when it is not.
    Fshut& TerminatorWindow();
    // Null while the terminator window is not loaded.
    Fshut* LoadedTerminator() { return fshut_.get(); }
    // Unloading a window that is not loaded does nothing; an armed pass is dropped with it.
    void UnloadTerminator() { fshut_.reset(); }

    // Game root: the caption of LP, ending with "\".
    const std::string& GameRoot() const { return LP.Caption(); }

    Os& os;

    std::string caption = "09 Demo Pitch Pilot ..:: Tallowfen ::..";
    std::string settingsSection;  // "09PP" once loaded
    SlotTable slots;
    GameWatch gameWatch;
    int16_t fadeCounter = 0;

    CheckBox Check1{"Check1", "Quick Match"};
    CheckBox Check2{"Check2", "Save USER.INI"};
    CheckBox Check3{"Check3", "Audio"};
    CheckBox Check4{"Check4", "Video"};
    CheckBox Check5{"Check5", "Windowed"};
    CheckBox Check6{"Check6", "Commentators"};
    CheckBox Check7{"Check7", "Disable Cinematic"};
    CheckBox Check8{"Check8", "Offside"};
    CheckBox Check9{"Check9", "Injuries"};
    CheckBox Check10{"Check10", "Booking"};
    CheckBox Check11{"Check11", "Quick to Main Menu"};
    CheckBox Check12{"Check12", "Time Display"};
    CheckBox Check13{"Check13", "Postprocessing Quality"};
    CheckBox Check14{"Check14", "Home Team Bar"};
    CheckBox Check15{"Check15", "Away Team Bar"};
    CheckBox Check16{"Check16", "Depth Of Field"};
    CheckBox Check17{"Check17", "Perfect Goalie"};
    CheckBox Check18{"Check18", "No 2nd Yellow"};
    CheckBox Check19{"Check19", "No 1st time Red"};
    CheckBox Check20{"Check20", "Use One Language"};
    CheckBox Check21{"Check21", "Widescreen"};
    CheckBox Check22{"Check22", "Free Camera (Ins Rep)"};
    CheckBox Check23{"Check23", "Crowds Render"};
    CheckBox Check24{"Check24", "Crowds Animation"};
    CheckBox Check25{"Check25", "No EXTRA time"};
    CheckBox Check26{"Check26", "Never Ending Game"};
    CheckBox Check27{"Check27", "Disable CAM Modifier"};
    CheckBox Check28{"Check28", "3D Grass"};
    CheckBox Check70{"Check70", "Enable"};

    ComboBox Combo1{"Combo1", ComboStyle::DropDownList, true};
    ComboBox Combo2{"Combo2", ComboStyle::DropDownList, true};
    ComboBox Combo3{"Combo3", ComboStyle::DropDownList, false, {"Home Kit", "Away Kit", "Third Kit", "GK Kit"}};
    ComboBox Combo4{"Combo4", ComboStyle::DropDownList, false, {"Home Kit", "Away Kit", "Third Kit", "GK Kit"}};
    ComboBox Combo5{"Combo5", ComboStyle::DropDownList, true};
    ComboBox Combo6{"Combo6", ComboStyle::DropDownList, false, {"Sunny", "Noon", "Night"}};
    ComboBox Combo7{
        "Combo7",
        ComboStyle::Editable,
        false,
        {"640x480x32", "800x600x32", "1024x768x32", "1280x768x32", "1280x1024x32", "1440x900x32", "1600x1200x32"}};
    ComboBox Combo8{"Combo8", ComboStyle::DropDownList, false, {"Low", "Medium", "High"}};
    ComboBox Combo9{"Combo9",
                    ComboStyle::DropDownList,
                    false,
                    {"Player", "Broadcast", "Endzone", "Sexy", "Panoramic", "Action", "Dynamic end", "Sideline", "Tele",
                     "Tower", "Dynamic", "Widescreen", "Overhead", "Action 2"}};
    ComboBox Combo10{"Combo10",
                     ComboStyle::DropDownList,
                     false,
                     {"Beginer", "Amateur", "Semi Pro", "Profesional", "World Class", "Legendary"}};
    ComboBox Combo11{"Combo11",
                     ComboStyle::DropDownList,
                     false,
                     {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}};
    ComboBox Combo12{"Combo12", ComboStyle::DropDownList, false, {"Slow", "Normal", "Fast", "Fastest"}};
    ComboBox Combo13{"Combo13",
                     ComboStyle::DropDownList,
                     false,
                     {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}};
    ComboBox Combo14{"Combo14", ComboStyle::DropDownList, false, {"0.05", "2", "4", "6", "8", "10", "45", "90"}};
    ComboBox Combo15{"Combo15", ComboStyle::DropDownList, false, {"Off", "Transparent", "On"}};
    ComboBox Combo16{"Combo16", ComboStyle::DropDownList, false, {"Low", "Medium", "High"}};
    ComboBox Combo18{
        "Combo18",
        ComboStyle::DropDownList,
        false,
        {"Chinese", "Czech", "Dutch", "Danish", "English", "French", "German", "Greek", "Italian", "Japanese", "Korean",
         "Mexican", "Norwegian", "Polish", "Portugese", "Russian", "Romanian", "Spanish", "Swedish"}};
    ComboBox Combo19{"Combo19", ComboStyle::DropDownList, false, {"Normal", "Number", "Name"}};

    OptionButtonArray OT{"OT", 3, 0};

    TextBox TX1{"TX1"};  // the cheat box
    TextBox ZMO{"ZMO", "0.5"};
    TextBox HMO{"HMO", "0.5"};
    TextBox Tx2{"Tx2"};  // the directive line
    TextBox Tva{"Tva"};  // work text of the save command
    TextBox Text2{"Text2"};
    TextBox Text3{"Text3"};

    ListBox List1{"List1"};  // team list file, file order
    ListBox List2{"List2"};  // stadium list file, file order
    ListBox List3{"List3"};  // slot listing
    ListBox Lva{"Lva"};      // token list of the save command

    CommandButton CM1{"CM1", "SAVE"};
    CommandButton CM2{"CM2", "START"};
    CommandButton CM3{"CM3", "Command2"};
    CommandButton Command2{"Command2", "Command2"};
    CommandButton Command1{"Command1", "BAK"};

    Label LP{"LP", "Label2"};
    std::array<Label, 22> Label1;
    std::array<Label, 4> Label2;
    std::array<Label, 5> FLB;

    // Image arrays, elements 0 to 3 and 99.
    std::map<int, PictureBox> FBU;
    std::map<int, PictureBox> HBU;
    std::map<int, PictureBox> NBU;

    PictureBox P_LOAD{"P_LOAD", 72, 72};
    PictureBox P_LOAD2{"P_LOAD2", 72, 72};
    PictureBox P_TEMP{"P_TEMP", 72, 72};
    PictureBox P_TEMP2{"P_TEMP2", 72, 72};
    PictureBox P_LOAD3{"P_LOAD3", 40, 40};
    PictureBox P_TEMP3{"P_TEMP3", 40, 40};
    PictureBox P_SHOW{"P_SHOW", 72, 72};
    PictureBox P_SHOW2{"P_SHOW2", 72, 72};

    Timer TKEY{"TKEY", 100, true};
    Timer TA{"TA", 1, false};
    Timer TA2{"TA2", 1, false};
    Timer TA3{"TA3", 1, false};

    Control Frame1{"Frame1"};

    // The slot listing into List3, the Click of Command2.
    void ListSlots();

  private:
    void SetDesignTimeState();

    std::unique_ptr<Fshut> fshut_;
};

// Shows the stop message with the application title and ends the program at once.
[[noreturn]] void EndWithStopMessage(Form1& form, const std::string& text);

}  // namespace pp
