// Pairing secrets and session lifetimes, with time passed in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Sessions.h"

namespace kvt::web {
namespace {

using namespace std::chrono_literals;

class Sessions : public ::testing::Test {
  protected:
    std::vector<std::string> printed_;  // before the store, which prints at construction
    SessionStore store_{60s, [this](const std::string& token, const std::string& code) {
                            printed_.push_back(token + " " + code);
                        }};
    Clock::time_point t0_ = Clock::now();
};

TEST_F(Sessions, EachSecretWorksOnceAndIsThenReplaced) {
    const std::string token = store_.Token();
    const std::string code = store_.Code();
    EXPECT_EQ(token.size(), 32u);
    EXPECT_EQ(code.size(), 6u);
    const auto first = store_.PairWithToken(token, t0_);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), 64u);
    EXPECT_FALSE(store_.PairWithToken(token, t0_));
    EXPECT_NE(store_.Token(), token);
    EXPECT_EQ(printed_.size(), 2u);

    const std::string newCode = store_.Code();
    const auto second = store_.PairWithCode(newCode, t0_);
    ASSERT_TRUE(second);
    EXPECT_NE(*second, *first);
    EXPECT_FALSE(store_.PairWithCode(newCode, t0_));
    EXPECT_TRUE(store_.Valid(*first, t0_));
    EXPECT_TRUE(store_.Valid(*second, t0_));
}

TEST_F(Sessions, WrongCodesRenewTheCodeAfterFiveTries) {
    const std::string code = store_.Code();
    const std::string wrong = code == "000000" ? "000001" : "000000";
    for (int i = 0; i < SessionStore::kCodeAttempts - 1; ++i) {
        EXPECT_FALSE(store_.PairWithCode(wrong, t0_));
        EXPECT_EQ(store_.Code(), code);
    }
    EXPECT_FALSE(store_.PairWithCode(wrong, t0_));
    EXPECT_NE(store_.Code(), code);
    EXPECT_FALSE(store_.PairWithCode(code, t0_));
}

TEST_F(Sessions, WrongCodesLockCodesForLongerEachTimeAndKeepTheLink) {
    const std::string token = store_.Token();
    const auto fiveWrong = [&](Clock::time_point at) {
        const std::string wrong = store_.Code() == "000000" ? "000001" : "000000";
        for (int i = 0; i < SessionStore::kCodeAttempts; ++i) {
            EXPECT_FALSE(store_.PairWithCode(wrong, at));
        }
    };
    fiveWrong(t0_);
    EXPECT_EQ(store_.Token(), token);
    EXPECT_TRUE(store_.CodeLocked(t0_ + 29s));
    EXPECT_FALSE(store_.PairWithCode(store_.Code(), t0_ + 29s));
    EXPECT_FALSE(store_.CodeLocked(t0_ + 30s));
    // The next run of wrong codes locks twice as long.
    fiveWrong(t0_ + 30s);
    EXPECT_TRUE(store_.CodeLocked(t0_ + 89s));
    EXPECT_FALSE(store_.CodeLocked(t0_ + 90s));
    EXPECT_TRUE(store_.PairWithCode(store_.Code(), t0_ + 90s));
    EXPECT_TRUE(store_.PairWithToken(store_.Token(), t0_ + 90s));
}

TEST_F(Sessions, EmptyOrPartialSecretsNeverPair) {
    EXPECT_FALSE(store_.PairWithToken("", t0_));
    EXPECT_FALSE(store_.PairWithToken(store_.Token().substr(0, 31), t0_));
    EXPECT_FALSE(store_.PairWithCode("", t0_));
    EXPECT_EQ(store_.Count(), 0u);
}

TEST_F(Sessions, IdleSessionsExpireAndActiveOnesStay) {
    const std::string idle = *store_.PairWithToken(store_.Token(), t0_);
    const std::string active = *store_.PairWithToken(store_.Token(), t0_);
    EXPECT_TRUE(store_.Touch(active, t0_ + 50s));
    EXPECT_TRUE(store_.ExpireIdle(t0_ + 60s).empty());
    const auto expired = store_.ExpireIdle(t0_ + 61s);
    ASSERT_EQ(expired.size(), 1u);
    EXPECT_EQ(expired[0], idle);
    EXPECT_FALSE(store_.Valid(idle, t0_ + 61s));
    EXPECT_FALSE(store_.Touch(idle, t0_ + 61s));
    EXPECT_TRUE(store_.Valid(active, t0_ + 61s));
    // An expired session is not revived by a late touch even before the sweep.
    EXPECT_FALSE(store_.Touch(active, t0_ + 200s));
}

TEST_F(Sessions, EndedSessionsAreGone) {
    const std::string session = *store_.PairWithToken(store_.Token(), t0_);
    store_.End(session);
    EXPECT_FALSE(store_.Valid(session, t0_));
    EXPECT_FALSE(store_.Valid("", t0_));
}

TEST(Secrets, AreRandomHexOfTheRequestedLength) {
    const std::string a = RandomHex(16);
    const std::string b = RandomHex(16);
    EXPECT_EQ(a.size(), 32u);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_TRUE(SameSecret(a, a));
    EXPECT_FALSE(SameSecret(a, b));
    EXPECT_FALSE(SameSecret("", ""));
}

}  // namespace
}  // namespace kvt::web
