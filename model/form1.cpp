#include "model/form1.h"

#include <exception>
#include <string>

#include "model/links.h"

namespace pp {
namespace {

constexpr std::array<const char*, 22> kLabel1Captions = {
    "Home Team",
    "Away Team",
    "Home Kit",
    "Away Kit",
    "Stadium",
    "Lighting",
    "Resolution",
    "Quality",
    "Camera",
    "Difficulty",
    "Camera Zoom",
    "Game Speed",
    "Camera Height",
    "Minutes",
    "Radar",
    "ZOOM MODIFIER",
    "Shader",
    "Camera Zoom Modifier",
    "Camera Height Modifier",
    "Player Marker",
    "Data",
    "HEIGHT MODIFIER",
};

constexpr std::array<const char*, 4> kLabel2Captions = {"Save USER.INI", "CHEAT",
                                                        ".:: Press F12 to exit while playing ::.", "PENALTY MODE"};

}  // namespace

Form1::Form1(Os& system) : os(system) {
    SetDesignTimeState();
}

Form1::~Form1() = default;

void Form1::SetDesignTimeState() {
    for (size_t i = 0; i < Label1.size(); ++i) {
        Label1[i].SetName("Label1(" + std::to_string(i) + ")");
        Label1[i].SetCaption(kLabel1Captions[i]);
    }
    Label1[20].SetEnabled(false);
    for (size_t i = 0; i < Label2.size(); ++i) {
        Label2[i].SetName("Label2(" + std::to_string(i) + ")");
        Label2[i].SetCaption(kLabel2Captions[i]);
    }
    static_assert(kLinks.size() == std::tuple_size_v<decltype(FLB)>);
    for (size_t i = 0; i < FLB.size(); ++i) {
        FLB[i].SetName("FLB(" + std::to_string(i) + ")");
        FLB[i].SetCaption(kLinks[i].caption);
    }
    for (const ImageButtonRow& row : kImageButtons) {
        const std::string element = "(" + std::to_string(row.index) + ")";
        FBU.try_emplace(row.index, "FBU" + element, row.width, row.height);
        HBU.try_emplace(row.index, "HBU" + element, row.width, row.height);
        NBU.try_emplace(row.index, "NBU" + element, row.width, row.height);
    }

    Check1.SetEnabled(false);
    Check2.SetEnabled(false);
    Check2.SetValue(1);
    Check6.SetEnabled(false);
    Check20.SetEnabled(false);
    Check27.SetEnabled(false);
    Combo7.SetText("Combo7");
    Combo18.SetEnabled(false);
    TX1.toolTip = "Custom your cheat. Eg: DEBUG_SHOOTOUT=1";
    Tx2.SetVisible(false);
    Tx2.SetEnabled(false);
    Tva.SetEnabled(false);
    Text2.SetEnabled(false);
    Text3.SetEnabled(false);
    Lva.SetEnabled(false);
    List3.SetVisible(false);
    for (CommandButton* button : {&CM1, &CM2, &CM3, &Command2})
        button->SetVisible(false);
    P_SHOW.SetVisible(false);
    P_SHOW2.SetVisible(false);
    Frame1.SetEnabled(false);
}

void Form1::Load() {
    if (onLoad)
        onLoad();
}

void Form1::Shown() {
    if (onShown)
        onShown();
}

void Form1::Unload() {
    if (onUnload)
        onUnload();
}

Fshut& Form1::TerminatorWindow() {
    if (!fshut_) {
        fshut_ = std::make_unique<Fshut>();
        fshut_->TS.onTimer = [this] {
            if (onTerminatorTimer)
                onTerminatorTimer();
        };
    }
    return *fshut_;
}

// The slot listing: for every slot in use, its number counted from 1, a blank and its text.
// Nothing raises it; the list is not cleared first.
void Form1::ListSlots() {
    for (int i = 1; i <= SlotTable::kSize; ++i)
        if (!slots.Read(i - 1).empty())
            List3.List().Add(std::to_string(i) + " " + slots.Read(i - 1));
}

[[noreturn]] void EndWithStopMessage(Form1& form, const std::string& text) {
    form.os.host.ShowStopMessage(text, kApplicationTitle);
    form.os.host.EndNow();
    std::terminate();  // EndNow does not come back; this only tells the compiler so
}

}  // namespace pp
