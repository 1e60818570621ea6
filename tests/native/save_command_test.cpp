#include <gtest/gtest.h>

#include <algorithm>

#include "app/wiring.h"
#include "config/launcher.h"
#include "config/save_command.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";
const std::string kUserIni = kRoot + "user.ini";

TEST(DirectiveLine, OneBlankBeforeEverySlot) {
    SlotTable slots;
    EXPECT_EQ(DirectiveLine(slots), std::string(100, ' '));
    slots.Write(0, "A=1");
    slots.Write(2, "OPTIONS/B=2");
    slots.Write(99, "Z=9");
    const std::string line = DirectiveLine(slots);
    EXPECT_EQ(line, " A=1  OPTIONS/B=2" + std::string(97, ' ') + "Z=9");
    EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 100);
}

TEST(SplitAtBlanks, KeepsEveryPieceEvenTheEmptyOnes) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"", {""}}, {" ", {"", ""}}, {"a", {"a"}}, {"a  b", {"a", "", "b"}}, {"  x ", {"", "", "x", ""}},
    };
    for (const auto& [text, pieces] : cases)
        EXPECT_EQ(SplitAtBlanks(text), pieces) << '"' << text << '"';
}

TEST(SplitDirective, SectionKeyAndValueOfEachToken) {
    const std::vector<std::pair<std::string, std::optional<ProfileEntry>>> cases = {
        {"OPTIONS/BOOKINGS=1", ProfileEntry{"OPTIONS", "BOOKINGS", "1"}},
        {"AUDIO=0", ProfileEntry{"", "AUDIO", "0"}},
        {"SIDE_SELECT=-h", ProfileEntry{"", "SIDE_SELECT", "-h"}},
        {"KEY=A=B", ProfileEntry{"", "KEY", "A"}},                       // a second "=" ends the value
        {"GUI/SKIP_TITLE=1/X", ProfileEntry{"GUI", "SKIP_TITLE", "1"}},  // a second "/" ends the middle
        {"GUI/SKIP_TITLE=1=2/X", ProfileEntry{"GUI", "SKIP_TITLE", "1"}},
        {"GUI//SKIP_TITLE=1", ProfileEntry{"", "GUI//SKIP_TITLE", "1"}},  // empty middle: empty section
        {"GUI/", std::nullopt},
        {"/KEY=1", ProfileEntry{"", "KEY", "1"}},
        {"CAMERA_BIG_HEIGHT_MODIFIER=", ProfileEntry{"", "CAMERA_BIG_HEIGHT_MODIFIER", ""}},
        {"RESOLUTION=1024x768x32", ProfileEntry{"", "RESOLUTION", "1024x768x32"}},
        {"", std::nullopt},
        {"NOEQUALS", std::nullopt},  // a write without a value would delete the key
        {"OPTIONS/NOEQUALS", std::nullopt},
        {"=5", std::nullopt},
        {"OPTIONS/=5", std::nullopt},
        {"A=1\r\n[OPTIONS]\r\nB=2", std::nullopt},  // would break into the file's lines
        {"A\n=1", std::nullopt},
        {std::string("A=1\0B", 5), std::nullopt},
    };
    for (const auto& [token, entry] : cases)
        EXPECT_EQ(SplitDirective(token), entry) << '"' << token << '"';
}

class SaveCommand : public testing::Test {
  protected:
    SaveCommand() {
        for (const char* file :
             {"KWTR\\teams.ini", "KWTR\\stads.ini", "data\\fifa.fat", "fifa09.exe", "data\\cmn\\fifa.db"})
            fake.files.Put(kRoot + file, "");
        fake.profile.fileSystem = &fake.files;
        form.LP.SetCaption(kRoot);
    }

    // user.ini as the profile writer left it, one "[section]" line before the keys of each.
    std::string UserIni() { return MemoryProfileWriter::Render(fake.profile.files[kUserIni]); }

    // Runs a command; false when the program ended.
    bool Run(void (*command)(Form1&)) {
        try {
            command(form);
            return true;
        } catch (const ProgramEnded&) {
            return false;
        }
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(SaveCommand, KeepBoxClearRebuildsTheLineAndLeavesUserIniAlone) {
    fake.files.Put(kUserIni, "[OLD]\r\nX=1\r\n");
    form.slots.Write(2, "AUDIO=1");
    form.Check2.SetValue(0);
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(form.Tx2.Text(), DirectiveLine(form.slots));
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.15");
    EXPECT_EQ(fake.files.Contents(kUserIni), "[OLD]\r\nX=1\r\n");
    EXPECT_TRUE(fake.files.deletions.empty());
    EXPECT_TRUE(fake.profile.writes.empty());
}

TEST_F(SaveCommand, KeepBoxWritesUserIniAfreshInOrderOfFirstOccurrence) {
    fake.files.Put(kUserIni, "[OLD]\r\nX=1\r\n");
    fake.profile.WriteEntry("OLD", "X", "1", kUserIni);
    form.Check3.SetValue(1);   // slot 2
    form.Check10.SetValue(1);  // slot 9
    form.Check8.SetValue(1);   // slot 7
    form.Check11.SetValue(1);  // slot 10
    ASSERT_TRUE(Run(RunSaveCommand));

    EXPECT_EQ(fake.files.deletions, std::vector<std::string>{kUserIni});
    // The work text begins with two blanks and slots 0 and 1 are empty: four empty tokens.
    ASSERT_GE(form.Lva.List().Count(), 5);
    EXPECT_EQ(form.Lva.List().Items()[4], "AUDIO=1");
    EXPECT_EQ(form.Lva.List().Count(), 102);  // 101 blanks in the work text
    EXPECT_EQ(form.Tva.Text(), " " + form.Tx2.Text());
    EXPECT_EQ(UserIni(),
              "[]\r\nAUDIO=1\r\nCAMERA_BIG_ZOOM_MODIFIER=0.15\r\nCAMERA_BIG_HEIGHT_MODIFIER=0.08\r\n"
              "[OPTIONS]\r\nOFFSIDE=1\r\nBOOKINGS=1\r\n"
              "[GUI]\r\nSKIP_TITLE=1\r\n");
    EXPECT_EQ(fake.profile.writes.size(), 1u + 6u);

    // A second save clears the token list before it fills it.
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(form.Lva.List().Count(), 102);
}

TEST_F(SaveCommand, CheatTextComesFirstAndASlotDirectiveOverridesIt) {
    form.Check10.SetValue(1);
    form.TX1.SetText("OPTIONS/BOOKINGS=0 DEBUG_SHOOTOUT=1  NO_EXTRA_TIME=1 NOVALUE GUI/X=1=2/Y");
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(UserIni(),
              "[OPTIONS]\r\nBOOKINGS=1\r\n"
              "[]\r\nDEBUG_SHOOTOUT=1\r\nNO_EXTRA_TIME=1\r\nCAMERA_BIG_ZOOM_MODIFIER=0.15\r\n"
              "CAMERA_BIG_HEIGHT_MODIFIER=0.08\r\n"
              "[GUI]\r\nX=1\r\n");
    // The file is written one section at a time, each key once with its last value.
    EXPECT_EQ(fake.profile.sectionWrites, 3);
    EXPECT_EQ(fake.profile.writes.front(), "OPTIONS|BOOKINGS|1");
}

TEST_F(SaveCommand, CameraModifierSwitchOnWithEmptyHeightWritesAnEmptyValue) {
    form.Check70.SetValue(1);
    form.HMO.SetText("");
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(UserIni(), "[]\r\nCAMERA_BIG_ZOOM_MODIFIER=0.5\r\nCAMERA_BIG_HEIGHT_MODIFIER=\r\n");
}

TEST_F(SaveCommand, MissingGameFileEndsTheProgramBeforeAnythingIsWritten) {
    fake.files.Delete(kRoot + "data\\fifa.fat");
    fake.files.deletions.clear();
    form.slots.Write(2, "AUDIO=1");
    for (auto command : {RunSaveCommand, RunStartCommand, RunPenaltyStartCommand}) {
        EXPECT_FALSE(Run(command));
        EXPECT_EQ(form.Tx2.Text(), "");
        EXPECT_EQ(form.slots.Read(70), "");
    }
    EXPECT_EQ(fake.host.messages, std::vector<std::string>(3, "Missing files ! Please re-install !"));
    EXPECT_TRUE(fake.files.deletions.empty());
    EXPECT_TRUE(fake.profile.writes.empty());
    EXPECT_TRUE(fake.shell.calls.empty());
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

TEST_F(SaveCommand, StartCommandsPassTheLineAndTheCheatText) {
    form.slots.Write(2, "AUDIO=1");
    form.slots.Write(9, "OPTIONS/BOOKINGS=1");
    form.TX1.SetText("X=1");
    ASSERT_TRUE(Run(RunStartCommand));
    ASSERT_TRUE(Run(RunPenaltyStartCommand));
    form.TX1.SetText("");
    ASSERT_TRUE(Run(RunStartCommand));

    const std::string line = std::string(4, ' ') + "AUDIO=1" + std::string(7, ' ') + "OPTIONS/BOOKINGS=1" +
                             std::string(61, ' ') + "CAMERA_BIG_ZOOM_MODIFIER=0.15 CAMERA_BIG_HEIGHT_MODIFIER=0.08" +
                             std::string(29, ' ');
    ASSERT_EQ(fake.shell.calls.size(), 3u);
    for (const auto& call : fake.shell.calls) {
        EXPECT_EQ(call.file, kRoot + "fifa09.exe");
        EXPECT_EQ(call.folder, kRoot);
    }
    EXPECT_EQ(fake.shell.calls[0].parameters, line + "X=1");
    EXPECT_EQ(fake.shell.calls[1].parameters, " DEBUG_SHOOTOUT=1 " + line.substr(1) + "X=1");
    EXPECT_EQ(fake.shell.calls[2].parameters, line);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
}

TEST_F(SaveCommand, RefusedLaunchStillAimsTheTerminator) {
    struct RefusingShell : ShellOpener {
        bool Open(const std::string&, const std::string&, const std::string&) override { return false; }
    } refusing;
    Os os = fake.os;
    Os withRefusal{os.files, os.host, os.settings, os.profile, refusing, os.processes, os.keys, os.pictures, os.window};
    Form1 refused(withRefusal);
    WireHandlers(refused);
    refused.LP.SetCaption(kRoot);
    RunStartCommand(refused);
    EXPECT_EQ(refused.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
}

// A user.ini that stays in place when it is deleted (read-only, held open by another program)
// would otherwise get the new entries mixed into its old ones.
TEST_F(SaveCommand, UserIniThatCannotBeDeletedIsLeftAsItWas) {
    const std::string before = "[OLD]\r\nSTALE=1\r\n";
    fake.files.Put(kUserIni, before);
    fake.files.failingDeletes.insert(kUserIni);
    form.Check2.SetValue(1);
    form.slots.Write(9, "OPTIONS/BOOKINGS=1");
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(fake.files.Contents(kUserIni), before);
    EXPECT_TRUE(fake.profile.writes.empty());
    EXPECT_NE(form.Tx2.Text().find(" OPTIONS/BOOKINGS=1 "), std::string::npos) << "the game still gets the line";

    fake.files.failingDeletes.clear();
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_EQ(UserIni().find("STALE"), std::string::npos);
    EXPECT_NE(UserIni().find("BOOKINGS=1"), std::string::npos);
}

// Without its trailing separator the game root is no folder: the bare name would send the profile
// writer to the system folder.
TEST_F(SaveCommand, GameRootWithoutItsSeparatorWritesNoUserIni) {
    for (const char* file :
         {"KWTR\\teams.ini", "KWTR\\stads.ini", "data\\fifa.fat", "fifa09.exe", "data\\cmn\\fifa.db"})
        fake.files.Put(std::string("Label2") + file, "");
    form.LP.SetCaption("Label2");
    form.Check2.SetValue(1);
    ASSERT_TRUE(Run(RunSaveCommand));
    EXPECT_TRUE(fake.files.deletions.empty());
    EXPECT_TRUE(fake.profile.writes.empty());
}

// Windows takes a command line of 32,766 UTF-16 characters: the quoted program, a blank and the
// parameters. A longer one is not handed on at all, so the game never starts with its end cut off;
// user.ini is written and the terminator aimed all the same.
TEST_F(SaveCommand, CommandLineLongerThanWindowsTakesIsNotLaunched) {
    form.Check2.SetValue(1);
    ASSERT_TRUE(Run(RunStartCommand));
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    const size_t program = (kRoot + "fifa09.exe").size();
    const size_t room = 32766 - 3 - program - fake.shell.calls[0].parameters.size();

    struct Case {
        const char* what;
        std::string cheat;
        bool launched;
    };
    const std::string trophy = "\xF0\x9F\x8F\x86";  // two UTF-16 characters
    const std::string sun = "\xE6\x97\xA5";         // one
    const std::vector<Case> cases = {
        {"exactly the longest line", std::string(room, 'x'), true},
        {"one character more", std::string(room + 1, 'x'), false},
        {"a character of three bytes counts once", std::string(room - 1, 'x') + sun, true},
        {"a character beyond the first plane counts twice", std::string(room - 1, 'x') + trophy, false},
        {"a cheat text of 32,000 characters", "K=" + std::string(31998, 'v'), 32000 <= room},
    };
    for (const Case& c : cases) {
        fake.shell.calls.clear();
        fake.profile.writes.clear();
        form.UnloadTerminator();
        form.TX1.SetText(c.cheat);
        ASSERT_TRUE(Run(RunStartCommand)) << c.what;
        EXPECT_EQ(fake.shell.calls.size(), c.launched ? 1u : 0u) << c.what;
        EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe") << c.what;
        EXPECT_FALSE(fake.profile.writes.empty()) << c.what;
    }
    EXPECT_EQ(fake.profile.writes.front(), "|K|" + std::string(31998, 'v'));
}

}  // namespace
}  // namespace pp
