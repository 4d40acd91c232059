// The simulated unit as a program of its own (kvt80-sim), so that measuring this process's CPU
// time measures the engine alone.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kvt::bench {

class SimProcess {
  public:
    // Starts `program` with `arguments` and reads the first line it prints (the pseudo-terminal's
    // path). Throws std::runtime_error when the program cannot be started or prints nothing within
    // a few seconds.
    SimProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& FirstLine() const { return firstLine_; }

    // CPU time the program has used so far (user and system), in seconds; 0 when unknown.
    double CpuSeconds() const;

  private:
    void Stop();

    pid_t pid_ = -1;
    int input_ = -1;   // the program's standard input, kept open so its console never sees an end
    int output_ = -1;  // its standard output
    std::string firstLine_;
};

}  // namespace kvt::bench
