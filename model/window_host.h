#pragma once

namespace pp {

// What the main window's frame would do for it: it has none of its own.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // Lets the system move the window with the mouse, as if its title bar had been grabbed.
    virtual void BeginDrag() = 0;
    virtual void Minimise() = 0;
    // Closes the main window; its unload runs the exit sequence.
    virtual void Close() = 0;
};

}  // namespace pp
