// Pairing and sessions: who may use the server.
//
// A browser pairs once, with the one-time link token or the six-digit code the server prints, and
// gets a session identifier for its cookie. Each secret works once: a successful pairing replaces
// both, and so do five wrong codes in a row (a code has only a million values). Sessions end when
// they have been idle longer than the idle time. Everything here runs on the server's network
// thread; time is passed in so tests need no waiting.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::web {

using Clock = std::chrono::steady_clock;

// Random bytes as lowercase hex, from the system's random source.
std::string RandomHex(size_t bytes);
// Compares two secrets in time independent of where they differ.
bool SameSecret(std::string_view a, std::string_view b);

class SessionStore {
  public:
    // Called with the new secrets each time they change, so the operator sees the current ones.
    using SecretsChanged = std::function<void(const std::string& token, const std::string& code)>;

    SessionStore(std::chrono::seconds idleTime, SecretsChanged secretsChanged);

    const std::string& Token() const { return token_; }
    const std::string& Code() const { return code_; }

    // A new session identifier, or nullopt when the secret is wrong.
    std::optional<std::string> PairWithToken(std::string_view token, Clock::time_point now);
    std::optional<std::string> PairWithCode(std::string_view code, Clock::time_point now);

    // Whether the session exists and has not been idle too long; Touch also marks it active.
    bool Valid(std::string_view session, Clock::time_point now) const;
    bool Touch(std::string_view session, Clock::time_point now);
    void End(std::string_view session);
    // Removes the idle sessions and returns them.
    std::vector<std::string> ExpireIdle(Clock::time_point now);

    std::chrono::seconds IdleTime() const { return idleTime_; }
    size_t Count() const { return lastActive_.size(); }

    // Whether codes are refused for now: after five wrong ones, for 30 s, doubling with each
    // further five (at most 32 minutes), so guessing one code in a million takes years.
    bool CodeLocked(Clock::time_point now) const { return now < codeLockedUntil_; }

    static constexpr int kCodeAttempts = 5;
    static constexpr std::chrono::seconds kCodeLockout{30};

  private:
    std::string NewSession(Clock::time_point now);
    void Renew();
    void RenewCode();

    std::chrono::seconds idleTime_;
    SecretsChanged secretsChanged_;
    std::string token_;
    std::string code_;
    int wrongCodes_ = 0;
    int codeLockouts_ = 0;  // runs of wrong codes since the last pairing
    Clock::time_point codeLockedUntil_{};
    std::map<std::string, Clock::time_point, std::less<>> lastActive_;
};

}  // namespace kvt::web
