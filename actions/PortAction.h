// The main button: while the game runs, block outbound TCP from the port in the port box and confirm
// it only once the firewall has taken the rule; otherwise say that the game is not running and
// delete the rule.
#pragma once

#include <functional>

#include "platform/Platform.h"

// The rule is always named ‘8888’ (the quotation marks are U+2018 and U+2019), whatever port it
// blocks, so that the delete command names exactly the rule the add command made.
#define PORTGUARD_RULE_NAME \
    "\xA1\xAE"              \
    "8888"                  \
    "\xA1\xAF"

// The port text is appended directly; two blanks after /c, none after "localport=".
inline constexpr char kAddRulePrefix[] = "cmd /c  netsh advfirewall firewall add rule name=" PORTGUARD_RULE_NAME
                                         " dir=out action=block protocol=TCP localport=";
inline constexpr char kDeleteRuleCommand[] =
    "cmd /c netsh advfirewall firewall delete rule name=" PORTGUARD_RULE_NAME " ";
static_assert(sizeof(kAddRulePrefix) - 1 == 102);
static_assert(sizeof(kDeleteRuleCommand) - 1 == 60);

inline constexpr char kGameRunningMessage[] = "游戏已经运行，已经相关端口禁止！#^_^#";
inline constexpr char kGameNotRunningMessage[] = "游戏未运行(＞﹏＜)，释放相关端口禁止";
inline constexpr char kGameNotRunningTitle[] = "~>_<~ ";

inline constexpr char kErrorTitle[] = "错误：";
inline constexpr char kInvalidPortMessage[] =
    "端口无效，没有执行任何命令。\n\n请在“端口”中只输入端口号：1 到 65535 之间的数字，不带空格或其他字符，例如 8888。";

// How long the block path waits for the firewall command before it says that the outcome is unknown.
inline constexpr unsigned kAddRuleTimeoutMs = 15000;

// The two edit boxes, read at the moment the action needs them.
struct PortActionBoxes {
    std::function<Text()> readProcessName;  // 编辑框1
    std::function<Text()> readPort;         // 编辑框2
};

void BlockOrReleaseGamePort(const PortActionBoxes& boxes);

// The stop box shown when the add command did not end with exit code 0.
Text AddRuleFailureMessage(const CommandOutcome& outcome);
