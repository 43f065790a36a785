// Splits the command line into named options, the way the windowed build's framework hook did:
// `/name=value`, `-name value`, bare `/name` (stored as "TRUE"); GNU `--name=value`, `--name
// value`,
// `-h` for help and `--` before plain arguments.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tsy {

class CCommandLineInfoEx {
public:
    // Feeds every argument (argv[1..]) through ParseParam, stripping one leading '/' or '-' of
    // a switch.
    void ParseArguments(int argc, const char* const* argv);

    // One argument without its leading '/' or '-'.
    void ParseParam(std::string_view param, bool isSwitch, bool isLast);

    bool Has(const std::string& name) const { return params_.count(name) != 0; }
    // Empty when absent.
    std::string Text(const std::string& name) const;
    // Base-10 conversion as atoi reads it (blanks, sign, digits up to the first non-digit),
    // saturated to 32 bits; def when absent.
    int32_t Integer(const std::string& name, int32_t def) const;
    // True only for "true" in any case (a bare switch stores "TRUE").
    bool Boolean(const std::string& name, bool def) const;

    // True when the switch was given without any value (stored as "TRUE").
    bool IsBare(const std::string& name) const { return bare_.count(name) != 0; }

    const std::map<std::string, std::string>& params() const { return params_; }
    // Plain arguments, as the framework saw them; the first one is the document to open.
    const std::vector<std::string>& plainArguments() const { return plain_; }
    // Plain arguments that were not taken as the value of a pending option.
    const std::vector<std::string>& freeArguments() const { return free_; }

private:
    // False when the value is ignored (empty or "=") and the name stays pending.
    bool StoreValue(std::string_view value);

    std::map<std::string, std::string> params_;
    std::string pending_;
    std::set<std::string> bare_;
    std::vector<std::string> plain_;
    std::vector<std::string> free_;
};

// A '/' or '-' argument is a switch unless its name part (before any '=') holds a further '/'
// or the whole argument names an existing file.
bool IsSwitchArgument(std::string_view arg);

int32_t ParseInteger(std::string_view text);
bool ParseBoolean(std::string_view text);

}  // namespace tsy
