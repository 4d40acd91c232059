#include "protocol/WriteLines.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

std::vector<std::string> DrainBlock(PendingWrites& pending, int block) {
    std::vector<std::string> lines;
    while (auto line = pending.TakeLine(block)) {
        lines.push_back(line->Text());
    }
    return lines;
}

TEST(WriteLines, GapInAddressesStartsANewLine) {
    PendingWrites pending;
    for (uint32_t address : {10u, 11u, 12u, 14u}) {
        pending.Queue(1, address, address);
    }
    EXPECT_EQ(DrainBlock(pending, 1),
              (std::vector<std::string>{"wrtval 00000A 00000A 00000B 00000C\r",
                                        "wrtval 00000E 00000E\r"}));
}

TEST(WriteLines, AtMostSevenValuesPerLine) {
    PendingWrites pending;
    for (uint32_t address = 100; address < 109; ++address) {
        pending.Queue(3, address, 1);
    }
    const auto first = pending.TakeLine(3);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->values.size(), 7u);
    EXPECT_EQ(first->Text().size(), 63u);
    const auto second = pending.TakeLine(3);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->start, 107u);
    EXPECT_EQ(second->values.size(), 2u);
    EXPECT_FALSE(pending.TakeLine(3));
}

TEST(WriteLines, EveryCommandWordStopsAtSeven) {
    for (int block : {0, 1, 6}) {
        PendingWrites pending;
        for (uint32_t address = 0x300; address < 0x310; ++address) {
            pending.Queue(block, address, 0xABCDEF);
        }
        EXPECT_EQ(pending.TakeLine(block)->values.size(), 7u) << "block " << block;
    }
}

TEST(WriteLines, CommitRangesOfTheEqualiserProcessorsEndTheLine) {
    PendingWrites pending;
    for (uint32_t address = 3; address <= 9; ++address) {
        pending.Queue(4, address, address);
    }
    std::vector<std::vector<uint32_t>> runs;
    while (auto line = pending.TakeLine(4)) {
        std::vector<uint32_t> run;
        for (size_t i = 0; i < line->values.size(); ++i) {
            run.push_back(line->start + static_cast<uint32_t>(i));
        }
        runs.push_back(run);
    }
    EXPECT_EQ(runs, (std::vector<std::vector<uint32_t>>{{3, 4}, {5}, {6}, {7}, {8}, {9}}));
}

TEST(WriteLines, CommitRangesApplyOnlyToBlocksFourAndFive) {
    for (uint32_t base : {0x00u, 0x40u, 0x80u, 0xC0u}) {
        EXPECT_FALSE(EndsWriteLine(4, base + 3));
        EXPECT_TRUE(EndsWriteLine(4, base + 4));
        EXPECT_TRUE(EndsWriteLine(5, base + 8));
        EXPECT_FALSE(EndsWriteLine(5, base + 9));
        EXPECT_FALSE(EndsWriteLine(3, base + 5));
    }
    EXPECT_FALSE(EndsWriteLine(4, 0x104));
    PendingWrites pending;
    for (uint32_t address = 3; address <= 9; ++address) {
        pending.Queue(3, address, 0);
    }
    EXPECT_EQ(pending.TakeLine(3)->values.size(), 7u);
}

TEST(WriteLines, CommandWordAndHexFieldsPerBlock) {
    EXPECT_EQ((WriteLine{0, 557, {8}}).Text(), "wreep 00022D 000008\r");
    EXPECT_EQ((WriteLine{4, 144, {0xFFFFFFE2u}}).Text(), "wrtval 000090 FFFFE2\r");
    EXPECT_EQ((WriteLine{6, 1014, {0x50}}).Text(), "wrtx 0003F6 000050\r");
}

TEST(PendingWriteLists, LatestValueOfAnAddressWins) {
    PendingWrites pending;
    pending.Queue(2, 5, 1);
    pending.Queue(2, 5, 0xFFFFF1);
    EXPECT_EQ(pending.Size(2), 1u);
    EXPECT_EQ(pending.Pending(2, 5), 0xFFFFF1u);
    pending.Queue(2, 6, 0x1234567);
    EXPECT_EQ(pending.Pending(2, 6), 0x234567u);
}

TEST(PendingWriteLists, BlocksOutsideTheUnitAreIgnored) {
    PendingWrites pending;
    pending.Queue(-1, 1, 1);
    pending.Queue(7, 1, 1);
    EXPECT_TRUE(pending.AllEmpty());
    EXPECT_FALSE(pending.TakeLine(7));
}

TEST(PendingWriteLists, PriorityIsEepromFirstThenProcessorOrder) {
    PendingWrites pending;
    pending.Queue(6, 1012, 1);
    pending.Queue(4, 0, 1);
    pending.Queue(2, 2, 1);
    EXPECT_EQ(pending.FirstPendingBlock(), 2);
    pending.Queue(0, 28, 1);
    EXPECT_EQ(pending.FirstPendingBlock(), 0);
    pending.Clear();
    EXPECT_FALSE(pending.FirstPendingBlock());
}

TEST(PendingWriteLists, RestoredLineKeepsNewerValues) {
    PendingWrites pending;
    pending.Queue(1, 2, 10);
    pending.Queue(1, 3, 11);
    const auto line = pending.TakeLine(1);
    ASSERT_TRUE(line);
    pending.Queue(1, 3, 99);  // queued while the line was on its way
    pending.Restore(*line);
    EXPECT_EQ(pending.Pending(1, 2), 10u);
    EXPECT_EQ(pending.Pending(1, 3), 99u);
}

TEST(ProcessorTargets, BlocksMapToTheirSelections) {
    EXPECT_FALSE(TargetOfBlock(0));
    EXPECT_EQ(TargetOfBlock(3)->page, 9);
    EXPECT_EQ(TargetOfBlock(3)->unit, 3);
    EXPECT_EQ(TargetOfBlock(5)->page, 6);
    EXPECT_EQ(TargetOfBlock(5)->unit, 2);
    EXPECT_EQ(TargetOfBlock(6)->unit, 11);
    EXPECT_FALSE(TargetOfBlock(7));
}

}  // namespace
}  // namespace kvt
