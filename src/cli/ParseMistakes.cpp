#include "cli/ParseMistakes.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace {

// Edits between two words, a swap of neighbours counting as one ("plna" for "plan").
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// The words that name `command` on the command line: "veltrix cache list".
std::string pathOf(const CLI::App& command) {
    std::string path = command.get_name();
    for (const CLI::App* parent = command.get_parent(); parent; parent = parent->get_parent()) {
        path = parent->get_name() + " " + path;
    }
    return path;
}

std::string seeHelp(const CLI::App& command) {
    return "see '" + pathOf(command) + " --help'";
}

// The subcommand the arguments reached: the one given last.
const CLI::App& reached(const CLI::App& app) {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? app : reached(*chosen.front());
}

std::vector<std::string> commandNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::App* sub : command.get_subcommands([](const CLI::App*) { return true; })) {
        if (!sub->get_name().empty()) { // option groups are nameless subcommands
            names.push_back(sub->get_name());
        }
    }
    return names;
}

std::vector<std::string> optionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames()) {
            names.push_back("--" + name);
        }
    }
    return names;
}

std::string listed(const std::vector<std::string>& names, const std::string& last) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == names.size() ? " " + last + " " : ", ") + names[i];
    }
    return out;
}

// "(did you mean 'x'?)" when one candidate is close, else where to look.
std::string hint(std::string_view word, const std::vector<std::string>& candidates,
                 const CLI::App& command) {
    const std::string near = ParseMistakes::closest(word, candidates);
    return near.empty() ? " (" + seeHelp(command) + ")" : " (did you mean '" + near + "'?)";
}

std::string unexpected(const CLI::App& command, const std::string& word) {
    const std::string where = command.get_parent() ? " for '" + pathOf(command) + "'" : "";
    if (word.starts_with("-")) {
        const std::string name = word.substr(0, word.find('='));
        return "unknown option '" + name + "'" + where + hint(name, optionNames(command), command);
    }
    const auto commands = commandNames(command);
    if (!commands.empty() && command.get_subcommands().empty()) {
        const std::string near = ParseMistakes::closest(word, commands);
        return "unknown command '" + word + "'" + where +
               (near.empty() ? " (the commands are " + listed(commands, "and") + ")"
                             : " (did you mean '" + near + "'?)");
    }
    return "unexpected argument '" + word + "'" + where + " (" + seeHelp(command) + ")";
}

std::string excluded(const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (option->count() == 0) {
            continue;
        }
        for (const CLI::Option* other : option->get_excludes()) {
            if (other->count() > 0) {
                return option->get_name() + " and " + other->get_name() +
                       " cannot be given together (" + seeHelp(command) + ")";
            }
        }
    }
    return {};
}

std::string missing(const CLI::App& command) {
    if (command.get_require_subcommand_min() > 0 && command.get_subcommands().empty()) {
        const std::string after = command.get_parent() ? " after '" + pathOf(command) + "'" : "";
        return "a command is needed" + after + ": " + listed(commandNames(command), "or") + " (" +
               seeHelp(command) + ")";
    }
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_required() && option->count() == 0) {
            return "'" + pathOf(command) + "' needs " + option->get_name() + " (" +
                   seeHelp(command) + ")";
        }
    }
    return {};
}

// "--plan: 1 required TEXT missing": the option the parser names, when it is one of ours.
std::string withoutValue(const CLI::App& command, std::string_view said) {
    const std::string name(said.substr(0, said.find_first_of(": ")));
    const auto names = optionNames(command);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        return {};
    }
    return name + " needs a value (" + seeHelp(command) + ")";
}

// The parser's own line, kept to one line and pointed at the help.
std::string asParserSaysIt(const CLI::App& command, const CLI::ParseError& error) {
    std::string line = error.what();
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line + " (" + seeHelp(command) + ")";
}

} // namespace

std::string ParseMistakes::closest(std::string_view word,
                                   const std::vector<std::string>& candidates) {
    std::string best;
    std::size_t bestDistance = 3; // more edits than two is another word
    for (const std::string& candidate : candidates) {
        const std::size_t edits = distance(word, candidate);
        if (edits < bestDistance && edits * 2 < candidate.size()) {
            best = candidate;
            bestDistance = edits;
        }
    }
    if (!best.empty() || word.size() < 2) {
        return best;
    }
    // a beginning that only one of them has: "rep" for "report"
    for (const std::string& candidate : candidates) {
        if (candidate.starts_with(word)) {
            if (!best.empty()) {
                return {};
            }
            best = candidate;
        }
    }
    return best;
}

ParseMistakes::Mistake ParseMistakes::describe(const CLI::App& app, const CLI::ParseError& error) {
    const CLI::App& command = reached(app);
    // a word the parser did not know comes first, whichever rule it broke on the way
    std::vector<std::string> extras = command.remaining(false);
    if (extras.empty()) {
        extras = app.remaining(true);
    }
    if (!extras.empty()) {
        return {unexpected(command, extras.front()), static_cast<int>(CLI::ExitCodes::ExtrasError)};
    }
    std::string line;
    if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
        line = excluded(command);
    } else if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        line = missing(command);
    } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        line = withoutValue(command, error.what());
    }
    return {line.empty() ? asParserSaysIt(command, error) : line, error.get_exit_code()};
}
