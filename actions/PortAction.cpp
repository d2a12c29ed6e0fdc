#include "actions/PortAction.h"

#include <string>

#include "actions/PortText.h"
#include "actions/ProcessCheck.h"

namespace {

constexpr char kUsualCause[] =
    "\n\n通常的原因：本程序需要以管理员方式运行（右键点击本程序，选择“以管理员身份运行”），"
    "并且系统防火墙需要开启。";

void BlockPort(const PortActionBoxes& boxes) {
    const Text port = boxes.readPort();
    // Appended to a cmd line run with administrator rights, anything but a port number could run
    // another command, change the rule or block every port.
    if (!IsValidPort(port)) {
        ShowMessageBox(kInvalidPortMessage, kMbIconHand, Text(kErrorTitle));
        return;
    }
    const CommandOutcome outcome = RunCommandAndWait(kAddRulePrefix + port, kAddRuleTimeoutMs);
    if (outcome.status == CommandOutcome::Status::Exited && outcome.exitCode == 0) {
        ShowMessageBox(kGameRunningMessage, kMbOk);
    } else {
        ShowMessageBox(AddRuleFailureMessage(outcome), kMbIconHand, Text(kErrorTitle));
    }
}

// The box comes first; the rule is deleted once the user has closed it.
void ReleasePort() {
    ShowMessageBox(kGameNotRunningMessage, kMbIconInformation, Text(kGameNotRunningTitle));
    RunCommandLine(kDeleteRuleCommand);
}

}  // namespace

Text AddRuleFailureMessage(const CommandOutcome& outcome) {
    switch (outcome.status) {
    case CommandOutcome::Status::NotStarted:
        return Text("端口没有被禁止：无法启动防火墙命令（cmd）。") + kUsualCause;
    case CommandOutcome::Status::TimedOut:
        return "不知道端口是否已被禁止：防火墙命令在 " + std::to_string(kAddRuleTimeoutMs / 1000) + " 秒内没有结束。" +
               kUsualCause;
    case CommandOutcome::Status::Exited:
        break;
    }
    return "端口没有被禁止：防火墙命令以退出代码 " + std::to_string(outcome.exitCode) + " 结束。" + kUsualCause;
}

void BlockOrReleaseGamePort(const PortActionBoxes& boxes) {
    if (IsProcessRunning(boxes.readProcessName())) {
        BlockPort(boxes);
    } else {
        ReleasePort();
    }
}
