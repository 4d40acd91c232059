#include "Sessions.h"

#include <cstdio>
#include <random>

namespace kvt::web {

std::string RandomHex(size_t bytes) {
    std::string raw(bytes, '\0');
    // random_device reads the kernel's source on Linux; no seeded generator holds a secret.
    std::random_device source;
    for (char& byte : raw) {
        byte = static_cast<char>(source() & 0xFF);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes * 2);
    for (char byte : raw) {
        const auto value = static_cast<unsigned char>(byte);
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0xF];
    }
    return hex;
}

bool SameSecret(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) {
        return false;
    }
    unsigned char difference = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

SessionStore::SessionStore(std::chrono::seconds idleTime, SecretsChanged secretsChanged)
    : idleTime_(idleTime), secretsChanged_(std::move(secretsChanged)) {
    Renew();
}

void SessionStore::Renew() {
    token_ = RandomHex(16);
    RenewCode();
}

void SessionStore::RenewCode() {
    std::random_device source;
    std::uniform_int_distribution<int> digits(0, 999999);
    char code[8];
    std::snprintf(code, sizeof code, "%06d", digits(source));
    code_ = code;
    wrongCodes_ = 0;
    if (secretsChanged_) {
        secretsChanged_(token_, code_);
    }
}

std::string SessionStore::NewSession(Clock::time_point now) {
    std::string session = RandomHex(32);
    lastActive_[session] = now;
    Renew();
    return session;
}

std::optional<std::string> SessionStore::PairWithToken(std::string_view token,
                                                       Clock::time_point now) {
    if (!SameSecret(token, token_)) {
        return std::nullopt;
    }
    return NewSession(now);
}

std::optional<std::string> SessionStore::PairWithCode(std::string_view code,
                                                      Clock::time_point now) {
    if (CodeLocked(now)) {
        return std::nullopt;
    }
    if (SameSecret(code, code_)) {
        codeLockouts_ = 0;
        return NewSession(now);
    }
    // Only the code is renewed: wrong codes must not take the printed link away from the person
    // at the booth.
    if (++wrongCodes_ >= kCodeAttempts) {
        codeLockedUntil_ = now + kCodeLockout * (1 << std::min(codeLockouts_++, 6));
        RenewCode();
    }
    return std::nullopt;
}

bool SessionStore::Valid(std::string_view session, Clock::time_point now) const {
    const auto found = lastActive_.find(session);
    return found != lastActive_.end() && now - found->second <= idleTime_;
}

bool SessionStore::Touch(std::string_view session, Clock::time_point now) {
    if (!Valid(session, now)) {
        return false;
    }
    lastActive_.find(session)->second = now;
    return true;
}

void SessionStore::End(std::string_view session) {
    if (const auto found = lastActive_.find(session); found != lastActive_.end()) {
        lastActive_.erase(found);
    }
}

std::vector<std::string> SessionStore::ExpireIdle(Clock::time_point now) {
    std::vector<std::string> expired;
    for (auto it = lastActive_.begin(); it != lastActive_.end();) {
        if (now - it->second > idleTime_) {
            expired.push_back(it->first);
            it = lastActive_.erase(it);
        } else {
            ++it;
        }
    }
    return expired;
}

}  // namespace kvt::web
