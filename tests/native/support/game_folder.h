#pragma once

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>

#include "app/wiring.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
struct WiredForm : Form1 {
    explicit WiredForm(Os& os) : Form1(os) { WireHandlers(*this); }
};

// The game installed at kGameRoot; a wired main window that knows its root without a start-up.
struct GameFolder : testing::Test {
    GameFolder() {
        fake.InstallGame();
        form.LP.SetCaption(kGameRoot);
    }

    // Runs one step of the program; false when the step ended the program.
    static bool Runs(const std::function<void()>& step) {
        try {
            step();
            return true;
        } catch (const ProgramEnded&) {
            return false;
        }
    }
    // A fresh run of the tool over the same fakes (the store lasts across runs), after its start-up.
    std::unique_ptr<WiredForm> Start() {
        auto run = std::make_unique<WiredForm>(fake.os);
        run->Load();
        return run;
    }
    std::string StoreKey(const std::string& key) const { return MemorySettingsStore::Address("KWTR", "09PP", key); }
    void Store(const std::string& key, const std::string& value) { fake.settings.values[StoreKey(key)] = value; }
    void StoreAll(const std::string& pairs) {  // "key=value|key=value"
        for (const std::string& pair : SplitAt(pairs, "|"))
            Store(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    }
    // The names of the files right in the game root, in name order.
    std::vector<std::string> FilesInRoot() { return fake.files.FilesIn(kGameRoot.substr(0, kGameRoot.size() - 1)); }
    std::string UserIni() const {
        const std::string path = kGameRoot + "user.ini";
        return fake.files.Has(path) ? fake.files.Contents(path) : "(none)";
    }

    FakeOs fake;
    WiredForm form{fake.os};
};
}  // namespace pp
