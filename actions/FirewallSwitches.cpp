#include "actions/FirewallSwitches.h"

#include "platform/Platform.h"

// The result is not looked at: a failure shows in the console window of the command itself.
void TurnFirewallOn() {
    RunCommandLine(kFirewallOnCommand);
}

void TurnFirewallOff() {
    RunCommandLine(kFirewallOffCommand);
}
