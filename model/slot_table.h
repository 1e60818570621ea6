#pragma once

#include <array>
#include <string>

namespace pp {

// The slots that code names by number; the option catalogue's table holds the rest.
// The camera modifier switch Check70 and its two boxes ZMO and HMO.
inline constexpr int kZoomModifierSlot = 70;
inline constexpr int kHeightModifierSlot = 71;
// The side buttons OT; start-up puts the home side in.
inline constexpr int kSideSlot = 96;
inline constexpr const char* kSideSelectHome = "SIDE_SELECT=-h";
inline constexpr const char* kSideSelectAway = "SIDE_SELECT=-a";

// The 100 directive slots, numbered 0 to 99; each the empty text or one directive.
class SlotTable {
  public:
    static constexpr int kSize = 100;

    // A number outside 0 to 99 is ignored.
    void Write(int slot, std::string directive) {
        if (slot >= 0 && slot < kSize)
            slots_[static_cast<size_t>(slot)] = std::move(directive);
    }
    // The empty text for a number outside 0 to 99.
    const std::string& Read(int slot) const {
        static const std::string kEmpty;
        return slot >= 0 && slot < kSize ? slots_[static_cast<size_t>(slot)] : kEmpty;
    }

  private:
    std::array<std::string, kSize> slots_;
};

}  // namespace pp
