#include "receive_buffer.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using kvtcomm::ReceiveBuffer;

std::string TakeAll(ReceiveBuffer& buffer, std::size_t chunk) {
    std::string all;
    std::vector<char> out(chunk);
    for (;;) {
        const auto taken = buffer.Take(out.data(), out.size());
        if (taken.count == 0) {
            return all;
        }
        all.append(out.data(), taken.count);
    }
}

TEST(ReceiveBuffer, ReturnsBytesInOrderExactlyOnce) {
    ReceiveBuffer buffer(64);
    buffer.Append("hello ", 6);
    buffer.Append("world", 5);
    EXPECT_EQ(TakeAll(buffer, 4), "hello world");
    EXPECT_EQ(TakeAll(buffer, 4), "");
}

TEST(ReceiveBuffer, KeepsOrderAcrossTheWrapOfItsStorage) {
    ReceiveBuffer buffer(10);
    std::string expected;
    std::string got;
    char next = 'a';
    for (int round = 0; round < 50; ++round) {
        std::string piece;
        for (int i = 0; i < 7; ++i) {
            piece += next;
            next = next == 'z' ? 'a' : static_cast<char>(next + 1);
        }
        ASSERT_EQ(buffer.Append(piece.data(), piece.size()), piece.size());
        expected += piece;
        got += TakeAll(buffer, 3);
    }
    EXPECT_EQ(got, expected);
}

TEST(ReceiveBuffer, NeverHoldsMoreThanItsCapacity) {
    ReceiveBuffer buffer(8);
    EXPECT_EQ(buffer.Append("0123456789", 10), 8u);
    EXPECT_EQ(buffer.Size(), 8u);
    EXPECT_EQ(TakeAll(buffer, 100), "01234567");
}

TEST(ReceiveBuffer, ReportsRoomFreedOnlyAfterTheReceiverFoundItFull) {
    ReceiveBuffer buffer(8);
    char out[8];
    buffer.Append("abcd", 4);
    EXPECT_TRUE(buffer.CheckRoom(4));
    EXPECT_FALSE(buffer.Take(out, 1).roomFreed) << "nobody was waiting";

    buffer.Append("efgh", 4);  // 7 held
    EXPECT_FALSE(buffer.CheckRoom(4));
    EXPECT_FALSE(buffer.Take(out, 2).roomFreed) << "3 free is not enough";
    EXPECT_TRUE(buffer.Take(out, 1).roomFreed);
    EXPECT_FALSE(buffer.Take(out, 1).roomFreed) << "reported once";
}

TEST(ReceiveBuffer, RoomWantedBeyondCapacityIsCappedAtCapacity) {
    ReceiveBuffer buffer(4);
    char out[4];
    buffer.Append("ab", 2);
    EXPECT_FALSE(buffer.CheckRoom(100));
    EXPECT_TRUE(buffer.Take(out, 2).roomFreed);
}

}  // namespace
