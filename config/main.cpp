// kvt80-config: configurations as text. Exports a configuration file to its JSON form, imports
// the JSON form into a configuration file, and compares configurations (files, JSON or the unit).
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "ConfigJson.h"
#include "ConfigSources.h"

namespace {

using namespace kvt::config;

constexpr std::string_view kUsage =
    R"(kvt80-config export FILE.kvt [-o FILE.json]
kvt80-config import FILE.json -o FILE.kvt
kvt80-config diff [--json] A B
kvt80-config report (--port PORT | --demo) -o REPORT.pdf [--before A] [--roomeq FILE]

export  writes the JSON form of a configuration file (to standard output without -o)
import  writes the configuration file of a JSON form; a field that is unknown, missing or out
        of range is an error naming it, and nothing is written
diff    prints the fields in which A and B differ, with both values; A and B are each a
        configuration file, a JSON form or unit:PORT (the configuration read from the unit).
        --json prints the differences as a JSON list of {"field", "a", "b"}.
        Exit status 0: equal, 1: different, 2: an error.
report  writes the service report of the unit as a PDF: its versions, profile, formats,
        equaliser curves, levels, delays, event log and the result of Verify; --before names
        the configuration at the start of the visit, --roomeq a kvt80-roomeq JSON report.
        Runs kvt80-report (from the kvt80-laptop package); 'kvt80-report --help' lists all
        of its options.
)";

constexpr int kEqual = 0;
constexpr int kDifferent = 1;
constexpr int kError = 2;

int Error(std::string_view message) {
    std::cerr << "kvt80-config: " << message << "\n";
    return kError;
}

int UsageError(std::string_view message) {
    std::cerr << "kvt80-config: " << message << "\nTry 'kvt80-config --help'.\n";
    return kError;
}

void PrintNotes(const LoadedConfiguration& loaded) {
    for (const std::string& note : loaded.notes) {
        std::cerr << "kvt80-config: note: " << note << "\n";
    }
}

// The positional arguments and the value of -o.
struct Arguments {
    std::vector<std::string> files;
    std::string output;
    bool json = false;
    std::string error;
};

Arguments Parse(const std::vector<std::string>& arguments, bool allowJson) {
    Arguments parsed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-o" || argument == "--output") {
            if (i + 1 == arguments.size() || !parsed.output.empty()) {
                parsed.error = argument + " needs one file name";
                return parsed;
            }
            parsed.output = arguments[++i];
        } else if (allowJson && argument == "--json") {
            parsed.json = true;
        } else if (argument.size() > 1 && argument.starts_with("-")) {
            parsed.error = "unknown option '" + argument + "'";
            return parsed;
        } else {
            parsed.files.push_back(argument);
        }
    }
    return parsed;
}

int Export(const std::vector<std::string>& arguments) {
    const Arguments parsed = Parse(arguments, false);
    if (!parsed.error.empty() || parsed.files.size() != 1) {
        return UsageError(parsed.error.empty() ? "export takes one configuration file"
                                               : parsed.error);
    }
    const LoadedConfiguration loaded = LoadConfigurationFile(parsed.files[0]);
    if (!loaded.image) {
        return Error(loaded.error);
    }
    PrintNotes(loaded);
    const std::string text = JsonText(ToJson(*loaded.image));
    if (parsed.output.empty()) {
        std::cout << text;
        return std::cout.flush() ? kEqual : Error("standard output cannot be written");
    }
    return WriteTextFile(parsed.output, text) ? kEqual
                                              : Error(parsed.output + ": cannot be written");
}

int Import(const std::vector<std::string>& arguments) {
    const Arguments parsed = Parse(arguments, false);
    if (!parsed.error.empty() || parsed.files.size() != 1 || parsed.output.empty()) {
        return UsageError(parsed.error.empty() ? "import takes one JSON file and -o FILE.kvt"
                                               : parsed.error);
    }
    const LoadedConfiguration loaded = LoadConfigurationFile(parsed.files[0]);
    if (!loaded.image) {
        return Error(loaded.error);
    }
    PrintNotes(loaded);
    return WriteConfigurationFile(parsed.output, *loaded.image)
               ? kEqual
               : Error(parsed.output + ": cannot be written");
}

int Diff(const std::vector<std::string>& arguments) {
    const Arguments parsed = Parse(arguments, true);
    if (!parsed.error.empty() || parsed.files.size() != 2 || !parsed.output.empty()) {
        return UsageError(parsed.error.empty() ? "diff takes two configurations" : parsed.error);
    }
    const LoadedConfiguration first = LoadSource(parsed.files[0]);
    if (!first.image) {
        return Error(first.error);
    }
    const LoadedConfiguration second = LoadSource(parsed.files[1]);
    if (!second.image) {
        return Error(second.error);
    }
    PrintNotes(first);
    PrintNotes(second);
    const std::vector<FieldDifference> differences = Differences(*first.image, *second.image);
    if (parsed.json) {
        Json list = Json::array();
        for (const FieldDifference& difference : differences) {
            list.push_back(
                {{"field", difference.name}, {"a", difference.first}, {"b", difference.second}});
        }
        std::cout << JsonText(list);
    } else {
        for (const FieldDifference& difference : differences) {
            std::cout << difference.name << ": " << difference.first.dump() << " -> "
                      << difference.second.dump() << "\n";
        }
    }
    if (!std::cout.flush()) {
        return Error("standard output cannot be written");
    }
    return differences.empty() ? kEqual : kDifferent;
}

// The report needs Qt's PDF writer, which the command-line tools do without: it is written by
// kvt80-report, looked for beside this program and then on the PATH.
std::string ReportProgram() {
    constexpr std::string_view kProgram = "kvt80-report";
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path beside = self.parent_path() / kProgram;
        if (access(beside.c_str(), X_OK) == 0) {
            return beside.string();
        }
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const size_t end = folders.find(':');
        const std::string_view folder = folders.substr(0, end);
        if (!folder.empty()) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / kProgram;
            if (access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
        folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
    }
    return {};
}

int Report(const std::vector<std::string>& arguments) {
    const std::string program = ReportProgram();
    if (program.empty()) {
        return Error(
            "report needs the program kvt80-report, which is not installed: install the "
            "kvt80-laptop package (it writes the PDF with Qt, which kvt80-tools does without)");
    }
    std::vector<char*> argv;
    std::string name = "kvt80-report";
    argv.push_back(name.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::cout.flush();
    execv(program.c_str(), argv.data());
    return Error(program + ": cannot be run (" + std::strerror(errno) + ")");
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError("a command is needed: export, import, diff or report");
    }
    const std::string& command = arguments[0];
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return kEqual;
    }
    if (command == "export") {
        return Export(rest);
    }
    if (command == "import") {
        return Import(rest);
    }
    if (command == "diff") {
        return Diff(rest);
    }
    if (command == "report") {
        return Report(rest);
    }
    return UsageError("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& failure) {
        return Error(failure.what());
    }
}
