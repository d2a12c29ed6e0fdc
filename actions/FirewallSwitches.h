// The two buttons that turn the firewall on and off. Each runs one fixed command line and reports
// nothing: the command's console window is all the user sees of it.
#pragma once

// netsh advfirewall switches the firewall itself, on every profile. (The "sharedaccess" service is
// Internet Connection Sharing, not the firewall, and the firewall service cannot be stopped.)
inline constexpr char kFirewallOnCommand[] = "cmd /c netsh advfirewall set allprofiles state on";
inline constexpr char kFirewallOffCommand[] = "cmd /c netsh advfirewall set allprofiles state off";

void TurnFirewallOn();
void TurnFirewallOff();
