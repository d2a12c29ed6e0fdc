// The process check through Wine's real ToolHelp snapshot.
#include <gtest/gtest.h>

#include <string>

#include "Harness.h"
#include "actions/ProcessCheck.h"

namespace {

TEST(ProcessCheckWineTest, StartedGameIsFoundInAnyCaseAndNotOnceItHasEnded) {
    TestFolder folder(false);
    EXPECT_FALSE(IsProcessRunning("Tarnwick.exe"));
    FakeGame game(folder);
    for (const char* name : {"Tarnwick.exe", "tarnwick.exe", "TARNWICK.EXE", "tArNwIcK.eXe"}) {
        EXPECT_TRUE(IsProcessRunning(name)) << name;
    }
    for (const char* name : {"Tarnwick", "Tarnwick.exe ", "Tarnwick.ex"}) {
        EXPECT_FALSE(IsProcessRunning(name)) << name;
    }
    EXPECT_FALSE(IsProcessRunning(folder.File("Tarnwick.exe"))) << "the snapshot names files without folder";
    game.End();
    EXPECT_FALSE(IsProcessRunning("Tarnwick.exe"));
}

TEST(ProcessCheckWineTest, EntriesTheSystemReportsForItselfCountAsRunning) {
    const std::vector<Text> names = ListProcesses();
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(IsProcessRunning(names.front())) << names.front();
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string selfName = std::string(self).substr(std::string(self).rfind('\\') + 1);
    EXPECT_TRUE(IsProcessRunning(selfName)) << selfName;
}

}  // namespace
