// SimulatedUnit: a KVT-80 unit in software, speaking the unit side of the command protocol over
// a pseudo-terminal it creates or a TCP port it listens on.
//
// Tests, benchmarks and the programs' --demo mode run the real engine against it. It echoes each
// command line, answers, and ends with the prompt carrying its current selection; it keeps the
// memories of blocks 0 to 6 (each processor's working and stored memory), the personality
// module's image, the front-panel state, the clock and the event log. It also takes both
// downloads: the controller's firmware through its boot loader, and the processors' programs.
// Realism knobs pace its output at a baud rate and add processing latency per command; fault
// injection makes it misbehave in the ways a real line does.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvt::sim {

struct RoomDescription;

struct SimOptions {
    uint32_t baudRate = 0;                      // 0: no pacing; otherwise 10 bits per byte each way
    std::chrono::milliseconds latency{0};       // processing time per command line
    std::chrono::milliseconds saveDuration{0};  // extra time a "savevals" takes
    // A USB serial adapter's latency timer between the unit and the host: the unit's output
    // reaches the host in packets of 62 bytes or when this much time has passed since the first
    // waiting byte (0: no adapter).
    std::chrono::milliseconds adapterLatency{0};
};

enum class FaultKind {
    DropReply,      // the line is swallowed: no echo, no answer, no prompt
    BellReply,      // the line is refused: echo, BEL, prompt
    SplitReply,     // the reply goes out in bursts separated by gapMs
    Garbage,        // garbageBytes random bytes (never '>' or BEL) go out before the echo
    StopAnswering,  // from now on nothing is answered until ClearFaults
    ClosePort,      // the unit's end of the line is closed (the peer sees a hang-up)
    HoldReply,      // the unit acts on the line at once, its reply waits for ReleaseHeldReplies
};

struct Fault {
    FaultKind kind = FaultKind::DropReply;
    std::string match;  // applies to command lines starting with this text ("" = any line)
    int count = 1;      // how many matching lines it applies to (ignored by StopAnswering)
    int skip = 0;       // matching lines to let through before it applies
    int bursts = 2;     // SplitReply: number of bursts of about equal size
    std::vector<size_t> cutsFromEnd;    // SplitReply: cut this many bytes before the reply's end
                                        // instead (for example 1: the '>' alone in the last burst)
    std::chrono::milliseconds gap{60};  // SplitReply: silence between bursts
    size_t garbageBytes = 8;            // Garbage: bytes sent before the echo
};

// A snapshot of the front-panel state.
struct FrontPanel {
    int button = 1;      // 1..9, last "button" selection (9: a format no button holds)
    int projector = 1;   // 1 or 2; "projector ?" answers it 0-based
    int level = 70;      // fader 0..100
    bool muted = false;  // "clru3 1C" mutes, "setu3 1C" unmutes
    bool aesEbuError = false;
    int format = 0;  // 0..15, the format playing: the one the button holds in the EEPROM button
                     // table (block 0, 20..27); "button ?" answers it
};

// The Ethernet option's settings, as the network set-up tool writes them with "dhcp", "ip",
// "mask" and "gateway". Delivered with DHCP on and every address 0.0.0.0; kept over a power cycle.
// An address holds its octets in written order: 192.168.1.20 is {192, 168, 1, 20}.
struct NetworkSettings {
    bool dhcp = true;
    std::array<uint8_t, 4> ip{}, mask{}, gateway{};
    bool operator==(const NetworkSettings&) const = default;
};

// The personality module's image: the words card transfers wrote, by (block, address); block 0
// holds EEPROM bytes, blocks 1..6 processor words.
using CardWords = std::map<std::pair<int, uint32_t>, uint32_t>;

// The control card microcontroller's memories, as its boot loader writes them (addresses in
// docs/DOWNLOADS.md).
struct ControllerMemories {
    static constexpr uint32_t kProgramSize = 0x20000;   // 000000..01FFFF
    static constexpr uint32_t kUserIdSize = 8;          // 200000..200007
    static constexpr uint32_t kConfigurationSize = 14;  // 300000..30000D
    static constexpr uint32_t kEepromSize = 1024;       // data EEPROM 0000..03FF

    std::vector<uint8_t> program = std::vector<uint8_t>(kProgramSize, 0xFF);  // erased: FF
    std::array<uint8_t, kUserIdSize> userId{};  // the first six bytes: the firmware's version text
    std::array<uint8_t, kConfigurationSize> configuration{};
    std::array<uint8_t, kEepromSize> eeprom{};
};

struct LogEntry {
    std::string stamp;  // "YYMMDD HHMMSS"
    std::string description;
};

class SimulatedUnit {
  public:
    explicit SimulatedUnit(SimOptions options = {});
    ~SimulatedUnit();
    SimulatedUnit(const SimulatedUnit&) = delete;
    SimulatedUnit& operator=(const SimulatedUnit&) = delete;

    // Serves a new pseudo-terminal; returns the path of its slave end for the engine to open.
    std::string StartPty();
    // Serves a TCP port on 127.0.0.1 (0 = any free port); returns the port.
    uint16_t StartTcp(uint16_t port = 0);
    void Stop();

    void SetOptions(SimOptions options);

    // Fault injection.
    void InjectFault(const Fault& fault);
    void ClearFaults();
    // HoldReply faults: the replies held back right now, and letting them all go out (Stop lets
    // them go too). A test holds a reply to see what the peer does while it waits for one.
    size_t HeldReplies() const;
    void ReleaseHeldReplies();

    // The memories. Blocks 1..6 hold 24-bit words, block 0 (EEPROM) bytes. Memory is the working
    // memory, which every command reads and writes; StoredMemory what the unit keeps over a power
    // cycle: a processor's working memory as of its last "savevals", the EEPROM as it stands.
    uint32_t Memory(int block, uint32_t address) const;
    uint32_t StoredMemory(int block, uint32_t address) const;
    // A word as the unit was delivered or set up: working and stored memory both.
    void SetMemory(int block, uint32_t address, uint32_t value);
    // The working memory alone, as if written and not yet saved (an EEPROM write is kept at once).
    void SetWorkingMemory(int block, uint32_t address, uint32_t value);

    // Switches the unit off and on: each processor's working memory returns to its stored memory,
    // nothing is selected, the card is closed, and the front panel plays the format of the
    // power-on button (EEPROM 19). The EEPROM, card image, network settings, clock and event log
    // stay.
    void PowerCycle();
    // As PowerCycle, with S5 on the control card held: the controller runs its boot loader instead
    // of the firmware. A plain PowerCycle starts the boot loader too while the firmware is missing
    // (program memory erased and no "R" since).
    void PowerCycleHoldingS5();
    // True while the controller runs its boot loader: every line goes to it, until its "R" or a
    // power cycle that finds the firmware.
    bool BootLoaderRunning() const;
    // A copy of the controller's memories: what the firmware download has written so far.
    ControllerMemories ControllerFirmware() const;

    // The signal processors' programs (blocks 1..5: 9/1, 9/2, 9/3, 6/1, 6/2). ProcessorProgram is
    // the program the control card keeps and loads at every power-up (empty for other blocks).
    std::vector<uint32_t> ProcessorProgram(int block) const;
    // A dead processor does not respond: "dspreset" and the other download commands on it are
    // refused until it is alive again. Other blocks are ignored.
    void SetProcessorDead(int block, bool dead);
    // The next `count` accepted "wrpm" lines store their first word with bit 0 flipped, as a
    // transfer the processor took wrongly; "crcpm" then reads back a different CRC.
    void CorruptProgramWrites(int count);

    FrontPanel Panel() const;
    // Takes the panel as given, also values the unit could never show (for tests of the engine's
    // range checks).
    void SetPanel(const FrontPanel& panel);

    // A person at the unit's front panel, while it serves. PressButton takes 1..8 and plays the
    // format that button holds in the EEPROM button table (as "button N"); MoveFader 0..100;
    // SelectProjector 1 or 2. Each returns false and changes nothing for other values.
    bool PressButton(int button);
    void SetMuted(bool muted);
    bool MoveFader(int level);
    bool SelectProjector(int projector);
    // The AES/EBU input's error state, as the unit detects it.
    void SetAesEbuError(bool error);

    // The Ethernet option's settings. SetNetwork takes them as given, as if the set-up tool had
    // written them.
    NetworkSettings Network() const;
    void SetNetwork(const NetworkSettings& settings);

    // The next `count` analyser reads catch the window while the processor updates it: their
    // frame markers (words 2 and 63) differ.
    void TearAnalyserFrames(int count);

    // State files (format in StateFile.h): the memories as far as they differ from the factory
    // state, the front panel and the clock offset. SaveState replaces the file whole. LoadState
    // sets the unit to the factory memories with the file applied; a file it cannot read or
    // with any malformed line changes nothing. Both return false with LastStateError() set.
    bool SaveState(const std::string& path);
    bool LoadState(const std::string& path);
    std::string LastStateError() const;

    // The room the analyser hears (RoomModel.h; file format in docs/SIMULATOR.md). SetRoom takes
    // a room, or nothing for the built-in room; it stays over power cycles and state loads.
    // LoadRoom reads a room file; a file it cannot read or parse changes nothing and returns
    // false with `error` saying why.
    void SetRoom(const RoomDescription* room);
    bool LoadRoom(const std::string& path, std::string& error);

    // Menu mode: the unit's serial port shows its menu; every line is answered with a
    // clear-screen sequence and the menu until an ESC byte returns it to the prompt.
    void SetMenuMode(bool on);

    // The personality module. "openmmc" answers: with a card each open answers a new serial
    // value; without, FFFFFF. An answer other than FFFFFF opens the card; "closemmc" closes it.
    void SetCardPresent(bool present);
    // The next "openmmc" lines answer these values in order (24 bits each; FFFFFF as no card),
    // card or not; then the answers above resume. Replaces answers not yet given.
    void SetCardAnswers(std::vector<uint32_t> answers);
    bool CardOpen() const;
    // While the card is open, "wrtval", "wrtx" and "wreep" write into the card image instead of
    // the memories. The image stays until ClearCardImage, also over a power cycle.
    CardWords CardImage() const;
    std::optional<uint32_t> CardWord(int block, uint32_t address) const;
    void ClearCardImage();

    void SetEventLog(std::vector<LogEntry> entries);
    std::vector<LogEntry> EventLog() const;

    // Everything the unit received, as command lines (without the carriage return; a lone ESC
    // byte is recorded as "\x1b"), in order.
    std::vector<std::string> ReceivedLines() const;
    void ClearReceivedLines();
    // Waits until at least n lines have been received (true) or the timeout passed (false).
    bool WaitForLines(size_t n, std::chrono::milliseconds timeout) const;

    // Bytes the unit received and sent on the line.
    uint64_t BytesReceived() const;
    uint64_t BytesSent() const;

    // The next `count` "savevals" fail: the processor answers 000BAD and stores nothing.
    void FailSaves(int count);

    // How many "formatupdate" lines the unit has served.
    uint32_t FormatUpdates() const;

    // Unsolicited output, as a unit prints messages on its own (for terminal tests).
    void SendUnsolicited(const std::string& bytes);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kvt::sim
