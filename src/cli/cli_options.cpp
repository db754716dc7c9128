#include "cli/cli_options.h"

#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tensora {
namespace {

// Thrown where --help stands: the arguments after it are not read.
struct HelpAsked {};

} // namespace

CommandOptions::CommandOptions(std::string_view command)
    : command_(command), app_(std::make_unique<CLI::App>()) {
    app_->set_help_flag(); // the usage is the command line's own
    app_->add_flag("-h,--help", [](std::int64_t) { throw HelpAsked{}; })->trigger_on_parse();
}

CommandOptions::~CommandOptions() = default;

void CommandOptions::value(const std::string& name,
                           std::function<void(const std::string&)> take) {
    app_->add_option(
            name,
            [name, take = std::move(take)](const CLI::results_t& values) {
                for (const std::string& value : values) {
                    if (breaks_output_shape(value) || has_line_break(value)) {
                        throw CliRefusal{"tensora-cli: " +
                                         argument_message(std::string_view(name).substr(2), value,
                                                          "a tab or line break inside the text")};
                    }
                    take(value);
                }
                return true;
            })
        ->expected(1)
        ->trigger_on_parse();
}

void CommandOptions::flag(const std::string& name, std::function<void()> take) {
    app_->add_flag(name, [take = std::move(take)](std::int64_t) { take(); })->trigger_on_parse();
}

bool CommandOptions::parse(const std::vector<std::string>& arguments,
                           std::vector<std::string>& words) {
    app_->add_option("words", words);
    // CLI11 takes the arguments last to first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app_->parse(reversed);
    } catch (const HelpAsked&) {
        return false;
    } catch (const CLI::ExtrasError&) {
        const std::vector<std::string> extras = app_->remaining();
        const auto unknown = std::find_if(extras.begin(), extras.end(), [](const std::string& word) {
            return word.starts_with("-");
        });
        throw CliRefusal{"tensora-cli: unknown option " +
                         quoted_argument(unknown != extras.end() ? *unknown : extras.front()) +
                         " for " + command_};
    } catch (const CLI::ArgumentMismatch&) {
        // Every option takes the word after it, whatever it is: only the last can lack one.
        throw CliRefusal{"tensora-cli: " + arguments.back() + " needs a value"};
    } catch (const CLI::ParseError& error) {
        throw CliRefusal{"tensora-cli: " + std::string(error.what())};
    }
    return true;
}

} // namespace tensora
