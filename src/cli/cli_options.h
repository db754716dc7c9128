// The options of one command as a well-kept parser (CLI11) reads them: each option handled as it
// is met, in the order of the command line (so that the first bad one is the one named); an
// option repeated taken each time; the words that are no option kept in order; the refusals in
// the command line's own words.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace tensora {

class CommandOptions {
public:
    // `command` names the command in the refusal of an option it does not know.
    explicit CommandOptions(std::string_view command);
    ~CommandOptions();
    CommandOptions(const CommandOptions&) = delete;
    CommandOptions& operator=(const CommandOptions&) = delete;

    // An option with one value (`--name VALUE` or `--name=VALUE`); a value holding a tab or a
    // line break is refused, naming the option.
    void value(const std::string& name, std::function<void(const std::string&)> take);
    void flag(const std::string& name, std::function<void()> take);

    // Reads the arguments, the words that are no option into `words`. False where --help or
    // -h stands among them (what comes after it is not read).
    bool parse(const std::vector<std::string>& arguments, std::vector<std::string>& words);

private:
    std::string command_;
    std::unique_ptr<CLI::App> app_;
};

} // namespace tensora
