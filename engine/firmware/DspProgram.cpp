#include "firmware/DspProgram.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "text/HexDigits.h"

namespace kvt {

namespace {

constexpr std::string_view kFirstLine = "KVT80 DSP PROGRAM 1";
constexpr std::string_view kFormatPrefix = "KVT80 DSP PROGRAM ";
constexpr size_t kMinProgramWords = 2;
constexpr size_t kWordsPerLine = 8;
constexpr size_t kWordDigits = 6;
constexpr size_t kVersionDigits = 6;
constexpr size_t kCrcDigits = 8;
constexpr size_t kQuotedLength = 24;  // of a line or field quoted in an error

// What the user can do about a refused file, ending every error.
constexpr std::string_view kDamaged = "the file is damaged, get a fresh copy from the maker";
constexpr std::string_view kCutShort = "the file is cut short, get a fresh copy from the maker";
constexpr std::string_view kNotAProgram =
    "choose a program file (.NR, .MAT, .MTX or .EQ) from the maker";

constexpr std::array<std::pair<DspKind, std::string_view>, 3> kKindNames{{
    {DspKind::NoiseReduction, "NR"},
    {DspKind::Matrix, "MATRIX"},
    {DspKind::Equaliser, "EQ"},
}};

struct Target {
    int card;
    int dsp;
    DspKind kind;
};

constexpr std::array<Target, 5> kTargets{{
    {9, 1, DspKind::NoiseReduction},
    {9, 2, DspKind::NoiseReduction},
    {9, 3, DspKind::Matrix},
    {6, 1, DspKind::Equaliser},
    {6, 2, DspKind::Equaliser},
}};

constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        }
        table[n] = value;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

uint32_t CrcByte(uint32_t crc, uint8_t byte) {
    return kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

// Decimal digits only; anything past the largest program reads as one more than it.
std::optional<size_t> ParseCount(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    size_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + static_cast<size_t>(c - '0'), kMaxProgramWords + 1);
    }
    return value;
}

std::string Hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsText(char c) {
    return IsBlank(c) || (c >= 0x20 && c < 0x7F);
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t at = 0;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < line.size() && !IsBlank(line[end])) {
            ++end;
        }
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

// Text from the file shown in an error; only text bytes reach here.
std::string Quoted(std::string_view text) {
    if (text.size() <= kQuotedLength) {
        return "'" + std::string(text) + "'";
    }
    return "'" + std::string(text.substr(0, kQuotedLength)) + "...'";
}

struct Line {
    size_t number = 0;
    std::string_view text;
};

// Reads the file line by line in its fixed order: the first line, TARGET, VERSION, WORDS, the
// word lines, CRC, nothing after. Every step returns false with error_ set when the file is
// refused.
class ProgramReader {
  public:
    explicit ProgramReader(std::string_view text) : text_(text) {}

    DspProgramResult Read() {
        DspProgram program;
        const bool read = ReadFirstLine() && ReadTarget(program.kind) &&
                          ReadVersion(program.version) && ReadCount() && ReadWords(program.words) &&
                          ReadEnd() && Check(program);
        if (!read) {
            return {std::nullopt, error_};
        }
        program.crc = crc_;
        return {std::move(program), {}};
    }

  private:
    bool Fail(size_t line, const std::string& what, std::string_view todo) {
        error_ = "line " + std::to_string(line) + ": " + what + "; " + std::string(todo);
        return false;
    }

    bool FailAtEnd(std::string_view missing) {
        if (lines_ == 0) {
            error_ = "the file is empty; " + std::string(kNotAProgram);
        } else {
            error_ = "the file ends after line " + std::to_string(lines_) + " without its " +
                     std::string(missing) + "; " + std::string(kCutShort);
        }
        return false;
    }

    // The next line that is neither blank nor a comment; nullopt at the end of the text, or at a
    // line holding a byte that is not text (error_ set).
    std::optional<Line> NextLine() {
        while (position_ < text_.size()) {
            const size_t end = text_.find('\n', position_);
            std::string_view line = text_.substr(position_, end - position_);
            position_ = end == std::string_view::npos ? text_.size() : end + 1;
            ++lines_;
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            const auto bad = std::find_if_not(line.begin(), line.end(), IsText);
            if (bad != line.end()) {
                Fail(lines_, "byte " + Hex(static_cast<uint8_t>(*bad), 2) + " is not text",
                     "the file is damaged or not a program file, get a fresh copy from the maker");
                return std::nullopt;
            }
            const bool blank = std::all_of(line.begin(), line.end(), IsBlank);
            if (!blank && line.front() != '#') {
                return Line{lines_, line};
            }
        }
        return std::nullopt;
    }

    bool ReadFirstLine() {
        const auto line = NextLine();
        if (!line) {
            return error_.empty() ? FailAtEnd("KVT80 DSP PROGRAM line") : false;
        }
        if (line->text == kFirstLine) {
            return true;
        }
        const std::string_view format =
            line->text.substr(std::min(line->text.size(), kFormatPrefix.size()));
        if (line->text.starts_with(kFormatPrefix) && ParseCount(format)) {
            return Fail(line->number,
                        "the program file's format " + Quoted(format) +
                            " is not format 1, the one this software reads",
                        "install the service software that came with the program");
        }
        return Fail(line->number, Quoted(line->text) + " is not the first line of a program file",
                    kNotAProgram);
    }

    // The value of a line "KEYWORD value", the keyword being the one expected next.
    std::optional<Line> ReadKeyword(std::string_view keyword) {
        const auto line = NextLine();
        if (!line) {
            if (error_.empty()) {
                FailAtEnd(std::string(keyword) + " line");
            }
            return std::nullopt;
        }
        const auto fields = Fields(line->text);
        if (fields[0] != keyword) {
            Fail(line->number,
                 Quoted(line->text) + " stands where the " + std::string(keyword) + " line belongs",
                 kDamaged);
            return std::nullopt;
        }
        if (fields.size() != 2) {
            Fail(line->number,
                 Quoted(line->text) + " is not " + std::string(keyword) + " and one value",
                 kDamaged);
            return std::nullopt;
        }
        return Line{line->number, fields[1]};
    }

    bool ReadTarget(DspKind& kind) {
        const auto value = ReadKeyword("TARGET");
        if (!value) {
            return false;
        }
        const auto named =
            std::find_if(kKindNames.begin(), kKindNames.end(),
                         [&](const auto& entry) { return entry.second == value->text; });
        if (named == kKindNames.end()) {
            return Fail(value->number, "TARGET " + Quoted(value->text) + " is not NR, MATRIX or EQ",
                        kDamaged);
        }
        kind = named->first;
        return true;
    }

    bool ReadVersion(uint32_t& version) {
        const auto value = ReadKeyword("VERSION");
        if (!value) {
            return false;
        }
        const auto parsed = ParseHexDigits(value->text, kVersionDigits);
        if (!parsed) {
            return Fail(value->number,
                        "VERSION " + Quoted(value->text) + " is not 1 to 6 hexadecimal digits",
                        kDamaged);
        }
        version = *parsed;
        versionLine_ = value->number;
        return true;
    }

    bool ReadCount() {
        const auto value = ReadKeyword("WORDS");
        if (!value) {
            return false;
        }
        const auto parsed = ParseCount(value->text);
        if (!parsed || *parsed < kMinProgramWords || *parsed > kMaxProgramWords) {
            return Fail(value->number,
                        "WORDS " + Quoted(value->text) + " is not a count of " +
                            std::to_string(kMinProgramWords) + " to " +
                            std::to_string(kMaxProgramWords) + " words",
                        kDamaged);
        }
        count_ = *parsed;
        countLine_ = value->number;
        return true;
    }

    // The word lines up to and including the CRC line.
    bool ReadWords(std::vector<uint32_t>& words) {
        words.reserve(count_);
        while (true) {
            const auto line = NextLine();
            if (!line) {
                return error_.empty() ? FailAtEnd("CRC line") : false;
            }
            const auto fields = Fields(line->text);
            if (fields[0] == "CRC") {
                return ReadCrc(*line, fields, words.size());
            }
            for (const std::string_view field : fields) {
                if (!AddWord(line->number, field, words)) {
                    return false;
                }
            }
        }
    }

    bool AddWord(size_t line, std::string_view field, std::vector<uint32_t>& words) {
        const auto word = ParseHexDigits(field, kWordDigits);
        if (!word) {
            const bool hexadecimal = std::all_of(field.begin(), field.end(),
                                                 [](char c) { return HexDigitValue(c) >= 0; });
            return Fail(line,
                        Quoted(field) + (hexadecimal ? " is wider than a 24-bit program word"
                                                     : " is not a hexadecimal program word"),
                        kDamaged);
        }
        if (words.size() == count_) {
            return Fail(line,
                        "more program words than the " + std::to_string(count_) + " line " +
                            std::to_string(countLine_) + " announces",
                        kDamaged);
        }
        words.push_back(*word);
        return true;
    }

    bool ReadCrc(const Line& line, const std::vector<std::string_view>& fields, size_t words) {
        const auto crc = fields.size() == 2 && fields[1].size() == kCrcDigits
                             ? ParseHexDigits(fields[1], kCrcDigits)
                             : std::nullopt;
        if (!crc) {
            return Fail(line.number,
                        Quoted(line.text) + " is not a CRC line of 8 hexadecimal digits", kDamaged);
        }
        if (words != count_) {
            return Fail(line.number,
                        "the file holds " + std::to_string(words) + " program words, line " +
                            std::to_string(countLine_) + " announces " + std::to_string(count_),
                        kDamaged);
        }
        crc_ = *crc;
        crcLine_ = line.number;
        return true;
    }

    bool ReadEnd() {
        if (const auto line = NextLine()) {
            return Fail(line->number, Quoted(line->text) + " follows the CRC line", kDamaged);
        }
        return error_.empty();
    }

    bool Check(const DspProgram& program) {
        if (program.version != program.words[1]) {
            return Fail(versionLine_,
                        "VERSION " + Hex(program.version, 6) + " differs from program word 1 (" +
                            Hex(program.words[1], 6) + ")",
                        kDamaged);
        }
        const uint32_t computed = ProgramCrc(program.words);
        if (computed != crc_) {
            return Fail(crcLine_,
                        "CRC " + Hex(crc_, 8) + " does not match the program words (their CRC is " +
                            Hex(computed, 8) + ")",
                        kDamaged);
        }
        return true;
    }

    std::string_view text_;
    size_t position_ = 0;
    size_t lines_ = 0;  // lines read so far, counting blank lines and comments
    std::string error_;
    size_t versionLine_ = 0;
    size_t count_ = 0;
    size_t countLine_ = 0;
    uint32_t crc_ = 0;
    size_t crcLine_ = 0;
};

}  // namespace

DspProgramResult ParseDspProgram(std::string_view text) {
    if (text.size() > kMaxProgramFileBytes) {
        return {std::nullopt, "the file is larger than 1 MiB, more than any program; " +
                                  std::string(kNotAProgram)};
    }
    return ProgramReader(text).Read();
}

// The fields are written as they stand: a program whose version or CRC does not agree with its
// words gives a file that ParseDspProgram refuses, rather than one quietly made to agree.
std::string FormatDspProgram(const DspProgram& program) {
    std::string text = std::string(kFirstLine) + "\n";
    text += "TARGET " + std::string(KindName(program.kind)) + "\n";
    text += "VERSION " + Hex(program.version, 6) + "\n";
    text += "WORDS " + std::to_string(program.words.size()) + "\n";
    for (size_t i = 0; i < program.words.size(); ++i) {
        text += Hex(program.words[i], 6);
        text +=
            (i % kWordsPerLine == kWordsPerLine - 1 || i + 1 == program.words.size()) ? '\n' : ' ';
    }
    text += "CRC " + Hex(program.crc, 8) + "\n";
    return text;
}

uint32_t ProgramCrc(std::span<const uint32_t> words) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint32_t word : words) {
        crc = CrcByte(crc, static_cast<uint8_t>(word >> 16));
        crc = CrcByte(crc, static_cast<uint8_t>(word >> 8));
        crc = CrcByte(crc, static_cast<uint8_t>(word));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::optional<DspKind> KindOfTarget(int card, int dsp) {
    for (const Target& target : kTargets) {
        if (target.card == card && target.dsp == dsp) {
            return target.kind;
        }
    }
    return std::nullopt;
}

std::string_view KindName(DspKind kind) {
    for (const auto& [named, name] : kKindNames) {
        if (named == kind) {
            return name;
        }
    }
    return {};
}

}  // namespace kvt
