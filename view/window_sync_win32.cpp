// The model shown in the main window's children, and the model's timers mirrored by the system's.
#include "view/main_window_win32.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "menu/window_commands_win32.h"
#include "model/form1.h"
#include "view/form1_layout.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

void SetEnabled(HWND window, bool enabled) {
    if ((::IsWindowEnabled(window) != FALSE) != enabled)
        ::EnableWindow(window, enabled);
}

void SetCheck(HWND button, WPARAM state) {
    if (static_cast<WPARAM>(::SendMessageW(button, BM_GETCHECK, 0, 0)) != state)
        ::SendMessageW(button, BM_SETCHECK, state, 0);
}

// Puts the model's items into a combo box in one go: its own sorting is off (the model has
// sorted them already), drawing waits for the end, and the storage is taken at once. The items go
// straight to the box's own window procedure, past the message dispatch and the main window's
// subclass, which saves a fifth to a quarter of the time 100,000 items take under Wine.
void FillComboBox(HWND combo, const LineList& list) {
    ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> items;
    items.reserve(list.Items().size());
    size_t bytes = 0;
    for (const std::string& item : list.Items()) {
        items.push_back(Widen(item));
        bytes += (items.back().size() + 1) * sizeof(wchar_t);
    }
    const auto boxProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(combo, GCLP_WNDPROC));
    ::CallWindowProcW(boxProc, combo, CB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    for (const std::wstring& item : items)
        ::CallWindowProcW(boxProc, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(combo, nullptr, TRUE);
}

// Lists longer than this show only their selection until their box is first used.
constexpr int kListsFilledAtOnce = 2000;

// A stand-in for a long list: its selected item alone, so the closed box reads as it should.
void ShowSelectionOnly(HWND combo, const LineList& list) {
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    if (list.SelectedIndex() < 0)
        return;
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(list.SelectedText()).c_str()));
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// The model's timers mirrored by system timers, each under its own timer ID.
struct MirroredTimer {
    UINT_PTR id;
    Timer* (*model)(Form1&);
};

// A system timer cannot fire sooner than USER_TIMER_MINIMUM (10 ms or more), so an armed terminator
// also gets its first tick as a posted message: the pass then follows at the window's very next
// message, within a few milliseconds of F12, instead of a timer period later.
constexpr size_t kTerminatorTimer = 3;

const std::array<MirroredTimer, 4> kTimers = {{
    {1, [](Form1& form) -> Timer* { return &form.TKEY; }},
    {2, [](Form1& form) -> Timer* { return &form.TA; }},
    {3, [](Form1& form) -> Timer* { return &form.TA2; }},
    // The terminator's timer exists only while its window is loaded.
    {4,
     [](Form1& form) -> Timer* {
         Fshut* terminator = form.LoadedTerminator();
         return terminator ? &terminator->TS : nullptr;
     }},
}};

}  // namespace

// Shows the model again. The windows' own notifications of these changes are the model's own
// state coming back, so they are not handed to it again.
void MainWindow::SyncFromModel() {
    if (!window_ || syncing_)
        return;
    syncing_ = true;
    try {
        for (Child& child : children_)
            SyncChild(child);
        SyncTimers();
        commands_->ModelChanged();
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;
}

void MainWindow::SyncChild(Child& child) {
    std::visit(Overloaded{
                   [&](const CaptionView& view) { SyncLabel(child, view.Model(form_)); },
                   [&](const LinkView& view) { SyncLabel(child, view.Model(form_)); },
                   [&](const CheckBoxView& view) { SyncCheckBox(child, view.Model(form_)); },
                   [&](const OptionButtonView& view) { SyncOptionButton(child, view.Model(form_), view.element); },
                   [&](const ComboBoxView& view) { SyncComboBox(child, view.Model(form_)); },
                   [&](const TextBoxView& view) { SyncTextBox(child, view.Model(form_)); },
                   [&](const ImageButtonView& view) { SyncPicture(child, view.Model(form_)); },
                   [&](const LineView&) {},
                   [&](const LogoView& view) { SyncPicture(child, view.Model(form_)); },
               },
               child.place->shows);
}

void MainWindow::SyncCheckBox(const Child& child, const CheckBox& box) {
    SetCheck(child.window, box.Value() == 1 ? BST_CHECKED : box.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
    SetEnabled(child.window, box.Enabled());
}

void MainWindow::SyncOptionButton(const Child& child, const OptionButtonArray& array, int element) {
    SetCheck(child.window, array.Selected() == element ? BST_CHECKED : BST_UNCHECKED);
    SetEnabled(child.window, array.Enabled());
}

void MainWindow::SyncComboBox(Child& child, const ComboBox& combo) {
    const LineList& list = combo.List();
    if (child.list == Child::List::NotShown || child.listRevision != list.Revision()) {
        const bool waits = list.Count() > kListsFilledAtOnce && combo.Style() == ComboStyle::DropDownList &&
                           ::GetFocus() != child.window && !::SendMessageW(child.window, CB_GETDROPPEDSTATE, 0, 0);
        if (waits) {
            child.list = Child::List::SelectionOnly;
            child.shownSelection = -2;  // no item at all yet
        } else {
            FillComboBox(child.window, list);
            child.list = Child::List::Whole;
        }
        child.listRevision = list.Revision();
    }
    if (child.list == Child::List::SelectionOnly) {
        if (child.shownSelection != combo.ListIndex()) {
            ShowSelectionOnly(child.window, list);
            child.shownSelection = combo.ListIndex();
        }
    } else if (combo.Style() == ComboStyle::Editable) {
        DWORD start = 0, end = 0;
        ::SendMessageW(child.window, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (combo.ListIndex() != static_cast<int>(::SendMessageW(child.window, CB_GETCURSEL, 0, 0)))
            ::SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
        // The edit field takes the model's text without moving the user's caret.
        const std::wstring text = Widen(combo.Text());
        if (WindowText(child.window) != text) {
            ::SetWindowTextW(child.window, text.c_str());
            ::SendMessageW(child.window, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
        }
    } else if (static_cast<int>(::SendMessageW(child.window, CB_GETCURSEL, 0, 0)) != combo.ListIndex()) {
        ::SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
    }
    SetEnabled(child.window, combo.Enabled());
}

void MainWindow::ShowWholeList(Child& child, const ComboBox& combo) {
    FillComboBox(child.window, combo.List());
    ::SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
    child.list = Child::List::Whole;
    child.listRevision = combo.List().Revision();
}

void MainWindow::SyncTextBox(const Child& child, const TextBox& box) {
    const std::wstring text = Widen(box.Text());
    if (WindowText(child.window) != text)
        ::SetWindowTextW(child.window, text.c_str());
    SetEnabled(child.window, box.Enabled());
}

void MainWindow::SyncLabel(Child& child, const Label& label) {
    if (!child.place->caption) {
        const char key = child.place->accessKey;
        const std::wstring caption = Widen(key ? MarkAccessKey(label.Caption(), key) : label.Caption());
        if (WindowText(child.window) != caption)
            ::SetWindowTextW(child.window, caption.c_str());
    }
    if (child.place->Kind() == ViewKind::Link && child.color != label.ForeColor()) {
        child.color = label.ForeColor();
        ::InvalidateRect(child.window, nullptr, TRUE);
    }
}

void MainWindow::SyncPicture(Child& child, const PictureBox& box) {
    if (child.surfaceRevision != box.SurfaceRevision()) {
        child.surfaceRevision = box.SurfaceRevision();
        ::InvalidateRect(child.window, nullptr, FALSE);
    }
}

// The system's timers cannot tick faster than USER_TIMER_MINIMUM; the 1 ms fades tick at that.
void MainWindow::SyncTimers() {
    for (size_t i = 0; i < kTimers.size(); ++i) {
        const Timer* model = kTimers[i].model(form_);
        const bool wanted = model && model->Enabled();
        if (wanted == timerRunning_[i])
            continue;
        if (wanted) {
            ::SetTimer(window_, kTimers[i].id, std::max<UINT>(USER_TIMER_MINIMUM, static_cast<UINT>(model->Interval())),
                       nullptr);
            if (i == kTerminatorTimer)
                ::PostMessageW(window_, kTickTerminatorNow, 0, 0);
        } else
            ::KillTimer(window_, kTimers[i].id);
        timerRunning_[i] = wanted;
    }
}

void MainWindow::OnTimer(UINT_PTR id) {
    for (const MirroredTimer& timer : kTimers)
        if (timer.id == id)
            if (Timer* model = timer.model(form_))
                model->Tick();
}

void MainWindow::TickTerminatorNow() {
    OnTimer(kTimers[kTerminatorTimer].id);
}

void MainWindow::StopTimers() {
    for (size_t i = 0; i < kTimers.size(); ++i)
        if (timerRunning_[i])
            ::KillTimer(window_, kTimers[i].id);
    timerRunning_.fill(false);
}

}  // namespace pp::win32
