#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "model/form1.h"
#include "shell/commands.h"
#include "shell/fade.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

class Commands : public testing::Test {
  protected:
    Commands() {
        fake.host.programFolder = "C:\\Game Root\\KWTR\\PP09";
        form.LP.SetCaption("C:\\Game Root\\");
        form.CM1.onClick = [this] { done.push_back("save"); };
        form.CM2.onClick = [this] { done.push_back("start"); };
        form.CM3.onClick = [this] { done.push_back("penalty"); };
    }
    std::vector<std::string> Opened() const {
        std::vector<std::string> calls;
        for (const auto& call : fake.shell.calls)
            calls.push_back(call.file + "|" + call.parameters + "|" + call.folder);
        return calls;
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
    std::vector<std::string> done;
};

TEST_F(Commands, EachLinkOpensItsTargetAndAMissingHelpPageTheReadme) {
    fake.files.Put("C:\\Game Root\\KWTR\\tut\\09 Hoarding Kit.html", "<html>");
    for (int i = -1; i <= 5; ++i)
        ClickLink(form, i);
    fake.files.Delete("C:\\Game Root\\KWTR\\tut\\09 Hoarding Kit.html");
    ClickLink(form, 2);
    const std::string tool = "C:\\Game Root\\KWTR\\PP09";
    EXPECT_EQ(Opened(), (std::vector<std::string>{
                            "explorer.exe| C:\\Game Root\\|C:\\Game Root\\",
                            "explorer.exe| C:\\Game Root\\data\\|C:\\Game Root\\data\\",
                            "C:\\Game Root\\KWTR\\tut\\09 Hoarding Kit.html||C:\\Game Root\\KWTR\\tut\\",
                            "https://tallowfen.example/pitch-pilot/||" + tool,
                            "https://tallowfen.example/||" + tool,
                            "notepad.exe| readme.txt|" + tool,
                        }));
}

// Minimising leaves choices and fades alone; closing saves first and drops an armed termination pass.
TEST_F(Commands, EachImageButtonRunsItsActionAndOtherIndexesNothing) {
    form.TerminatorWindow().TS.SetEnabled(true);
    StartFade(form, Side::Home);
    for (int i : {4, 98, -1, 99})
        ClickImageButton(form, i);
    EXPECT_TRUE(done.empty());
    EXPECT_EQ(fake.window.minimises, 1);
    EXPECT_TRUE(form.TA.Enabled());
    EXPECT_NE(form.LoadedTerminator(), nullptr);
    for (int i : {1, 2, 3, 0})
        ClickImageButton(form, i);
    EXPECT_EQ(done, (std::vector<std::string>{"save", "start", "penalty", "save"}));
    EXPECT_EQ(fake.window.closes, 1);
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

}  // namespace
}  // namespace pp
