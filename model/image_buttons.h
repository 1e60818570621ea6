#pragma once

// The image buttons of the main window (the picture arrays FBU, HBU and NBU share their
// indexes): one row each, read by the model, the layout, the skin and the click commands.

#include <array>
#include <cstddef>

#include "model/control_ids.h"

namespace pp {

enum class ImageButtonAction { SaveAndClose, Save, Start, PenaltyStart, Minimise };

struct ImageButtonRow {
    int index;
    int id;
    // Shown when the button has no face, and drawn on the wide faces.
    const char* caption;
    // What a screen reader says for it: its caption as words.
    const char* name;
    // At 96 dpi, the size of the button and of its pictures.
    int width;
    int height;
    ImageButtonAction action;
    // The two small buttons in the top right corner stand for a title bar's.
    constexpr bool InCorner() const {
        return action == ImageButtonAction::SaveAndClose || action == ImageButtonAction::Minimise;
    }
};

inline constexpr std::array<ImageButtonRow, 5> kImageButtons = {{
    {0, IDC_FBU_0, "X", "Close", 19, 18, ImageButtonAction::SaveAndClose},
    {1, IDC_FBU_1, "SAVE", "Save", 75, 22, ImageButtonAction::Save},
    {2, IDC_FBU_2, "START", "Start", 75, 22, ImageButtonAction::Start},
    {3, IDC_FBU_3, "PENALTY", "Penalty start", 75, 22, ImageButtonAction::PenaltyStart},
    {99, IDC_FBU_99, "_", "Minimize", 19, 18, ImageButtonAction::Minimise},
}};

// The row of the button with that index, or null.
constexpr const ImageButtonRow* FindImageButton(int index) {
    for (const ImageButtonRow& row : kImageButtons)
        if (row.index == index)
            return &row;
    return nullptr;
}

// The image button indexes, shared by FBU, HBU and NBU.
inline constexpr std::array<int, kImageButtons.size()> kImageButtonIndexes = [] {
    std::array<int, kImageButtons.size()> indexes{};
    for (size_t i = 0; i < kImageButtons.size(); ++i)
        indexes[i] = kImageButtons[i].index;
    return indexes;
}();

}  // namespace pp
