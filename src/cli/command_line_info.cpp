#include "cli/command_line_info.h"
#include "platform/ascii_case.h"

#include <sys/stat.h>

#include <cctype>
#include <limits>

namespace tsy {

bool IsSwitchArgument(std::string_view arg) {
    if (arg.empty() || (arg[0] != '/' && arg[0] != '-')) return false;
    // On Linux a leading '/' also starts every absolute path: /srv/label.C39 is a document.
    const std::string_view body = arg.substr(1);
    const std::string_view name = body.substr(0, body.find('='));
    if (name.find('/') != std::string_view::npos) return false;
    struct stat st;
    return stat(std::string(arg).c_str(), &st) != 0;
}

void CCommandLineInfoEx::ParseArguments(int argc, const char* const* argv) {
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i] ? argv[i] : "";
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;  // GNU: what follows is never an option
            continue;
        }
        const bool isSwitch = !optionsEnd && IsSwitchArgument(arg);
        if (isSwitch) arg.remove_prefix(arg.size() > 2 && arg.substr(0, 2) == "--" ? 2 : 1);
        if (isSwitch && arg == "h") arg = "help";
        ParseParam(arg, isSwitch, i == argc - 1);
    }
}

void CCommandLineInfoEx::ParseParam(std::string_view param, bool isSwitch, bool /*isLast*/) {
    if (!isSwitch) {
        if (!pending_.empty() && StoreValue(param)) {
            plain_.emplace_back(param);
            return;
        }
        plain_.emplace_back(param);
        free_.emplace_back(param);
        return;
    }
    const auto found = param.find_first_of("=\"");
    if (found == std::string_view::npos) {
        params_[std::string(param)] = "TRUE";
        bare_.insert(std::string(param));
        pending_ = std::string(param);
        return;
    }
    if (param[found] == '"') return;
    pending_ = std::string(param.substr(0, found));
    bare_.erase(pending_);
    StoreValue(param.substr(found));
}

bool CCommandLineInfoEx::StoreValue(std::string_view value) {
    if (value.empty() || value == "=") return false;
    while (!value.empty() && value.front() == '=') value.remove_prefix(1);
    params_[pending_] = std::string(value);
    bare_.erase(pending_);
    pending_.clear();
    return true;
}

std::string CCommandLineInfoEx::Text(const std::string& name) const {
    auto it = params_.find(name);
    return it == params_.end() ? std::string() : it->second;
}

int32_t CCommandLineInfoEx::Integer(const std::string& name, int32_t def) const {
    auto it = params_.find(name);
    return it == params_.end() ? def : ParseInteger(it->second);
}

bool CCommandLineInfoEx::Boolean(const std::string& name, bool def) const {
    auto it = params_.find(name);
    return it == params_.end() ? def : ParseBoolean(it->second);
}

int32_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

bool ParseBoolean(std::string_view text) {
    return EqualsIgnoringCase(text, "true");
}

}  // namespace tsy
