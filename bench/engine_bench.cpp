// Code paths of the engine: the ones that run for every exchange (packing queued writes into
// lines, reading replies) and the file parsers a technician waits for (configuration files,
// controller firmware, signal-processor programs).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/ConfigFile.h"
#include "firmware/DspProgram.h"
#include "firmware/HexImage.h"
#include "image/ParameterImage.h"
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

// A configuration as a technician leaves it: factory values with a few of them changed.
ParameterImage ChangedImage() {
    ParameterImage image = FactoryImage();
    for (int channel = 0; channel < kChannels; ++channel) {
        for (int band = 0; band < 27; band += 3) {
            image.Set(Param::EQBand, {channel, band}, -1.5);
        }
        image.Set(Param::OutputGain, {channel, 0}, -2.0);
    }
    image.Set(Param::Delay, {}, 48);
    image.mute[3] = true;
    return image;
}

void BM_ConfigFileWrite(benchmark::State& state) {
    const ParameterImage image = ChangedImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeConfiguration(image));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kConfigFileBytes));
}
BENCHMARK(BM_ConfigFileWrite);

void BM_ConfigFileRead(benchmark::State& state) {
    const std::vector<uint8_t> file = EncodeConfiguration(ChangedImage());
    for (auto _ : state) {
        ParameterImage image = FactoryImage();
        const auto read = DecodeConfiguration(file, image);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(image);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ConfigFileRead);

// One Intel HEX record line with its checksum, ending in CR LF.
std::string HexRecord(uint8_t type, uint16_t address, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes{static_cast<uint8_t>(data.size()),
                               static_cast<uint8_t>(address >> 8),
                               static_cast<uint8_t>(address & 0xFF), type};
    bytes.insert(bytes.end(), data.begin(), data.end());
    uint8_t sum = 0;
    for (const uint8_t byte : bytes) {
        sum = static_cast<uint8_t>(sum + byte);
    }
    bytes.push_back(static_cast<uint8_t>(0x100 - sum));
    std::string line = ":";
    char digits[3];
    for (const uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        line += digits;
    }
    return line + "\r\n";
}

// 64 KiB of program memory in 16-byte records (the first 64 KiB segment), then the end record.
std::string ProgramMemoryHexFile() {
    constexpr size_t kImageBytes = size_t{64} * 1024;
    constexpr size_t kRecordBytes = 16;
    std::string text = HexRecord(4, 0, {0x00, 0x00});
    std::vector<uint8_t> data(kRecordBytes);
    for (size_t address = 0; address < kImageBytes; address += kRecordBytes) {
        for (size_t i = 0; i < kRecordBytes; ++i) {
            data[i] = static_cast<uint8_t>((address + i) * 7);
        }
        text += HexRecord(0, static_cast<uint16_t>(address), data);
    }
    return text + HexRecord(1, 0, {});
}

void BM_HexFileSplit64KiB(benchmark::State& state) {
    const std::string text = ProgramMemoryHexFile();
    if (!SplitHexFile(text)) {
        state.SkipWithError("the generated HEX file was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitHexFile(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_HexFileSplit64KiB)->Unit(benchmark::kMillisecond);

// A program filling the processors' whole program memory.
std::string FullDspProgramFile() {
    DspProgram program;
    program.kind = DspKind::Equaliser;
    program.words.resize(kMaxProgramWords);
    for (size_t i = 0; i < program.words.size(); ++i) {
        program.words[i] = static_cast<uint32_t>(i * 2654435761U) & 0xFFFFFF;
    }
    program.version = program.words[1];
    program.crc = ProgramCrc(program.words);
    return FormatDspProgram(program);
}

void BM_DspProgramParse16384Words(benchmark::State& state) {
    const std::string text = FullDspProgramFile();
    if (!ParseDspProgram(text).program) {
        state.SkipWithError("the generated program file was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseDspProgram(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DspProgramParse16384Words)->Unit(benchmark::kMillisecond);

}  // namespace
