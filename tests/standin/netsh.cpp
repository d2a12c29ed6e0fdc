// A stand-in for the firewall commands of netsh, for running portguard under Wine, whose own netsh has
// no firewall. It understands the forms portguard and its tests use:
//   netsh advfirewall set allprofiles state on|off
//   netsh advfirewall show allprofiles state
//   netsh advfirewall firewall add rule name=N dir=in|out action=allow|block [protocol=P] [localport=L]
//   netsh advfirewall firewall delete rule name=N
//   netsh advfirewall firewall show rule name=N
// The profile state and the rules live in firewall-state.txt beside this program. While a file named
// not-admin lies there too, every command fails as for a user without administrator rights. Output and
// exit codes follow the real tool: 0 on success, 1 on failure.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr char kRuleLine[] = "----------------------------------------------------------------------";

struct Rule {
    std::string name, dir, action, protocol, localPort;
};

struct Firewall {
    bool on = true;
    std::vector<Rule> rules;
};

std::string HereFile(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.rfind('\\') + 1);
    return folder + name;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
    return text;
}

// One line per fact: "state on|off", then "rule" followed by the five fields, tab-separated.
Firewall Load() {
    Firewall firewall;
    std::ifstream in(HereFile("firewall-state.txt"), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        std::getline(fields, kind, '\t');
        if (kind == "state") {
            std::string value;
            std::getline(fields, value, '\t');
            firewall.on = value == "on";
        } else if (kind == "rule") {
            Rule rule;
            for (std::string* field : {&rule.name, &rule.dir, &rule.action, &rule.protocol, &rule.localPort}) {
                std::getline(fields, *field, '\t');
            }
            firewall.rules.push_back(rule);
        }
    }
    return firewall;
}

void Save(const Firewall& firewall) {
    std::ofstream out(HereFile("firewall-state.txt"), std::ios::binary | std::ios::trunc);
    out << "state\t" << (firewall.on ? "on" : "off") << '\n';
    for (const Rule& rule : firewall.rules) {
        out << "rule\t" << rule.name << '\t' << rule.dir << '\t' << rule.action << '\t' << rule.protocol << '\t'
            << rule.localPort << '\n';
    }
}

// netsh splits its command line at blanks; a value may be quoted to hold blanks.
std::vector<std::string> Arguments() {
    std::vector<std::string> words;
    const char* p = GetCommandLineA();
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t') {
            ++p;
        }
        if (*p == '\0') {
            break;
        }
        std::string word;
        bool quoted = false;
        for (; *p != '\0' && (quoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"') {
                quoted = !quoted;
            } else {
                word += *p;
            }
        }
        words.push_back(word);
    }
    if (!words.empty()) {
        words.erase(words.begin());  // the program itself
    }
    return words;
}

int Print(const char* text, int exitCode) {
    std::fputs(text, stdout);
    return exitCode;
}

bool IsPortNumber(const std::string& text) {
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
        return false;
    }
    const int value = std::stoi(text);
    return value >= 1 && value <= 65535;
}

// Numbers, ranges and lists of them, or one of the tool's keywords.
bool IsPortValue(const std::string& text) {
    static const char* const kKeywords[] = {"any", "rpc", "rpc-epmap", "iphttps", "teredo"};
    for (const char* keyword : kKeywords) {
        if (Lower(text) == keyword) {
            return true;
        }
    }
    std::istringstream items(text);
    std::string item;
    bool any = false;
    while (std::getline(items, item, ',')) {
        const auto dash = item.find('-');
        const bool valid = dash == std::string::npos
                               ? IsPortNumber(item)
                               : IsPortNumber(item.substr(0, dash)) && IsPortNumber(item.substr(dash + 1));
        if (!valid) {
            return false;
        }
        any = true;
    }
    return any;
}

std::optional<std::map<std::string, std::string>> Options(const std::vector<std::string>& words, size_t from) {
    std::map<std::string, std::string> options;
    for (size_t i = from; i < words.size(); ++i) {
        const auto equals = words[i].find('=');
        if (equals == std::string::npos) {
            return std::nullopt;
        }
        options[Lower(words[i].substr(0, equals))] = words[i].substr(equals + 1);
    }
    return options;
}

int AddRule(Firewall& firewall, const std::map<std::string, std::string>& options) {
    for (const char* required : {"name", "dir", "action"}) {
        if (options.count(required) == 0) {
            return Print("A specified value is not valid.\n\n", kFailure);
        }
    }
    for (const auto& [key, value] : options) {
        if (key != "name" && key != "dir" && key != "action" && key != "protocol" && key != "localport") {
            return Print("A specified value is not valid.\n\n", kFailure);
        }
    }
    Rule rule{options.at("name"), Lower(options.at("dir")), Lower(options.at("action")), "any", "any"};
    if ((rule.dir != "in" && rule.dir != "out") || (rule.action != "allow" && rule.action != "block")) {
        return Print("A specified value is not valid.\n\n", kFailure);
    }
    if (options.count("protocol") != 0) {
        rule.protocol = Lower(options.at("protocol"));
    }
    if (options.count("localport") != 0) {
        if (rule.protocol != "tcp" && rule.protocol != "udp") {
            return Print("A specified protocol value is not valid.\n\n", kFailure);
        }
        if (!IsPortValue(options.at("localport"))) {
            return Print("A specified port value is not valid.\n\n", kFailure);
        }
        rule.localPort = options.at("localport");
    }
    firewall.rules.push_back(rule);
    return Print("Ok.\n\n", kSuccess);
}

int DeleteRule(Firewall& firewall, const std::string& name) {
    const auto matches = [&](const Rule& rule) { return rule.name == name; };
    const auto count = std::count_if(firewall.rules.begin(), firewall.rules.end(), matches);
    if (count == 0) {
        return Print("\nNo rules match the specified criteria.\n\n", kFailure);
    }
    firewall.rules.erase(std::remove_if(firewall.rules.begin(), firewall.rules.end(), matches), firewall.rules.end());
    std::printf("\nDeleted %d rule(s).\nOk.\n\n", static_cast<int>(count));
    return kSuccess;
}

std::string Capitalised(const std::string& text) {
    std::string result = text;
    if (!result.empty()) {
        result[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
    }
    return result;
}

int ShowRule(const Firewall& firewall, const std::string& name) {
    bool found = false;
    for (const Rule& rule : firewall.rules) {
        if (rule.name != name) {
            continue;
        }
        found = true;
        std::printf("\nRule Name:                            %s\n%s\n", rule.name.c_str(), kRuleLine);
        std::printf("Enabled:                              Yes\n");
        std::printf("Direction:                            %s\n", Capitalised(rule.dir).c_str());
        std::printf("Profiles:                             Domain,Private,Public\n");
        std::printf("Grouping:                             \nLocalIP:                              Any\n");
        std::printf("RemoteIP:                             Any\n");
        std::printf("Protocol:                             %s\n", rule.protocol == "any"          ? "Any"
                                                                  : Lower(rule.protocol) == "tcp" ? "TCP"
                                                                                                  : "UDP");
        std::printf("LocalPort:                            %s\n",
                    rule.localPort == "any" ? "Any" : rule.localPort.c_str());
        std::printf("RemotePort:                           Any\nEdge traversal:                       No\n");
        std::printf("Action:                               %s\n", Capitalised(rule.action).c_str());
    }
    if (!found) {
        return Print("\nNo rules match the specified criteria.\n\n", kFailure);
    }
    return Print("Ok.\n\n", kSuccess);
}

int ShowState(const Firewall& firewall) {
    for (const char* profile : {"Domain", "Private", "Public"}) {
        std::printf("\n%s Profile Settings: \n%s\nState                                 %s\n", profile, kRuleLine,
                    firewall.on ? "ON" : "OFF");
    }
    return Print("Ok.\n\n", kSuccess);
}

bool IsAdministrator() {
    return GetFileAttributesA(HereFile("not-admin").c_str()) == INVALID_FILE_ATTRIBUTES;
}

int Run(const std::vector<std::string>& words) {
    std::vector<std::string> lower;
    std::transform(words.begin(), words.end(), std::back_inserter(lower), Lower);
    const auto starts = [&](std::initializer_list<const char*> prefix) {
        if (lower.size() < prefix.size()) {
            return false;
        }
        return std::equal(prefix.begin(), prefix.end(), lower.begin());
    };
    if (!IsAdministrator() && !starts({"advfirewall", "show"}) && !starts({"advfirewall", "firewall", "show"})) {
        return Print("The requested operation requires elevation (Run as administrator).\n\n", kFailure);
    }
    Firewall firewall = Load();
    int result = kFailure;
    if (lower.size() == 5 && starts({"advfirewall", "set", "allprofiles", "state"}) &&
        (lower[4] == "on" || lower[4] == "off")) {
        firewall.on = lower[4] == "on";
        result = Print("Ok.\n\n", kSuccess);
    } else if (lower.size() == 4 && starts({"advfirewall", "show", "allprofiles", "state"})) {
        return ShowState(firewall);
    } else if (starts({"advfirewall", "firewall"}) && lower.size() >= 5 && lower[3] == "rule") {
        const auto options = Options(words, 4);
        if (!options) {
            return Print("A specified value is not valid.\n\n", kFailure);
        }
        const auto name = options->find("name");
        if (lower[2] == "add") {
            result = AddRule(firewall, *options);
        } else if (name == options->end() || options->size() != 1) {
            return Print("A specified value is not valid.\n\n", kFailure);
        } else if (lower[2] == "delete") {
            result = DeleteRule(firewall, name->second);
        } else if (lower[2] == "show") {
            return ShowRule(firewall, name->second);
        } else {
            return Print("The following command was not found.\n", kFailure);
        }
    } else {
        return Print("The following command was not found.\n", kFailure);
    }
    if (result == kSuccess) {
        Save(firewall);
    }
    return result;
}

}  // namespace

int main() {
    return Run(Arguments());
}
