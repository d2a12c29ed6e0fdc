#include "actions/FirewallSwitches.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

class FirewallSwitchesTest : public testing::Test {
  protected:
    void SetUp() override { Fake() = FakePlatform{}; }
};

// Each switch runs its one command line, byte for byte, and nothing else: no box, whatever the result.
TEST_F(FirewallSwitchesTest, EachSwitchRunsItsCommandOnceAndShowsNothing) {
    struct Case {
        const char* context;
        void (*click)();
        Text command;
        bool started;
    };
    const Case cases[] = {
        {"on, started", TurnFirewallOn, "cmd /c netsh advfirewall set allprofiles state on", true},
        {"on, not started", TurnFirewallOn, "cmd /c netsh advfirewall set allprofiles state on", false},
        {"off, started", TurnFirewallOff, "cmd /c netsh advfirewall set allprofiles state off", true},
        {"off, not started", TurnFirewallOff, "cmd /c netsh advfirewall set allprofiles state off", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        Fake() = FakePlatform{};
        Fake().runResults = {c.started};
        c.click();
        ASSERT_EQ(Fake().calls.size(), 1u);
        EXPECT_EQ(Fake().calls[0].kind, PlatformCall::Kind::RunCommandLine);
        EXPECT_EQ(Fake().calls[0].text, c.command);
    }
}

TEST_F(FirewallSwitchesTest, QuickClicksStartOneCommandEach) {
    TurnFirewallOn();
    TurnFirewallOn();
    TurnFirewallOff();
    EXPECT_EQ(Fake().CommandLines(), (std::vector<Text>{kFirewallOnCommand, kFirewallOnCommand, kFirewallOffCommand}));
}

}  // namespace
