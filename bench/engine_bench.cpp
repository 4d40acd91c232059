// Code paths of the engine that run for every exchange: packing queued writes into lines and
// reading replies.
#include <benchmark/benchmark.h>

#include <string>

#include "protocol/ReplyParsing.h"
#include "protocol/WriteLines.h"

namespace {

using namespace kvt;

// Every equaliser, tone and output word of eight channels, as applying a configuration queues them.
void QueueFullConfiguration(PendingWrites& pending) {
    for (int block : {4, 5}) {
        for (uint32_t region = 0; region < 256; region += 64) {
            for (uint32_t offset = 0; offset <= 35; ++offset) {
                pending.Queue(block, region + offset, 0xFFFFE2);
            }
        }
    }
    for (uint32_t address = 1012; address <= 1019; ++address) {
        pending.Queue(6, address, 0x50);
    }
    for (uint32_t address = 0; address < 600; ++address) {
        pending.Queue(0, address, address & 0xFF);
    }
}

void BM_WriteLinePacking(benchmark::State& state) {
    size_t lines = 0;
    for (auto _ : state) {
        PendingWrites pending;
        QueueFullConfiguration(pending);
        while (const auto block = pending.FirstPendingBlock()) {
            const auto line = pending.TakeLine(*block);
            benchmark::DoNotOptimize(line->Text());
            ++lines;
        }
    }
    state.counters["lines/config"] =
        benchmark::Counter(static_cast<double>(lines) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WriteLinePacking);

void BM_TabListReply(benchmark::State& state) {
    std::string reply = "rdval 1A 004\r\n";
    for (int i = 0; i < 27; ++i) {
        reply += (i == 0 ? "" : "\t");
        reply += "FFFFE2";
    }
    reply += "\r\n61>";
    ReplyExpectation expected;
    expected.echo = "rdval 1A 004";
    for (auto _ : state) {
        const ReplyCheck check = CheckReply(reply, expected);
        benchmark::DoNotOptimize(check);
        benchmark::DoNotOptimize(ParseTabList(AnswerText(reply, "rdval", 12), 27));
    }
}
BENCHMARK(BM_TabListReply);

void BM_BinaryAnalyserReply(benchmark::State& state) {
    std::string reply = "rdvalb 3F 1A\r\n\r";
    for (int i = 0; i < 64 * 3; ++i) {
        reply.push_back(static_cast<char>(i * 37));
    }
    reply += "\r\n93>";
    ReplyExpectation expected;
    expected.echo = "rdvalb 3F 1A";
    expected.binaryOffset = 15;
    expected.binaryBytes = 192;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckReply(reply, expected));
        benchmark::DoNotOptimize(ParseBinaryWords(reply, "rdvalb", 15, 64));
    }
}
BENCHMARK(BM_BinaryAnalyserReply);

}  // namespace
