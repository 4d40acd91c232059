// What the end-to-end benchmark programs share: their command line (named options, each with a
// value, or a flag without one), progress lines on standard error, and the check that ends a run
// that went wrong.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvt::bench {

class BenchProgram {
  public:
    // usage: the full usage text, printed by --help and after a wrong option.
    BenchProgram(std::string name, std::string usage)
        : name_(std::move(name)), usage_(std::move(usage)) {}

    // An option taking a positive number, or any text.
    void Number(const std::string& option, int& target) {
        setters_[option] = [this, option, &target](const std::string& value) {
            const int parsed = std::atoi(value.c_str());
            if (parsed <= 0) {
                Usage(option + " needs a positive number");
            }
            target = parsed;
        };
    }
    void Text(const std::string& option, std::string& target) {
        setters_[option] = [&target](const std::string& value) { target = value; };
    }
    // An option without a value, which sets target.
    void Flag(const std::string& option, bool& target) { flags_[option] = &target; }

    void Parse(int argc, char** argv) const {
        for (int i = 1; i < argc; ++i) {
            const std::string option = argv[i];
            if (option == "--help" || option == "-h") {
                std::fputs(usage_.c_str(), stdout);
                std::exit(0);
            }
            if (const auto flag = flags_.find(option); flag != flags_.end()) {
                *flag->second = true;
                continue;
            }
            const auto setter = setters_.find(option);
            if (setter == setters_.end()) {
                Usage("unknown option " + option);
            }
            if (i + 1 >= argc) {
                Usage("missing value for " + option);
            }
            setter->second(argv[++i]);
        }
    }

    [[noreturn]] void Usage(const std::string& problem) const {
        std::fprintf(stderr, "%s: %s\n%s", name_.c_str(), problem.c_str(), usage_.c_str());
        std::exit(2);
    }

  private:
    std::string name_;
    std::string usage_;
    std::map<std::string, std::function<void(const std::string&)>, std::less<>> setters_;
    std::map<std::string, bool*, std::less<>> flags_;
};

// A line on standard error saying what the benchmark measures now.
inline void Progress(std::string_view program, const std::string& text) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(),
                 text.c_str());
}

// Ends the run with what went wrong (main reports it).
inline void Require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error(what);
    }
}

}  // namespace kvt::bench
