// The service report: what one visit to a unit found, changed and left behind. The record is
// gathered from the engine (on any thread but the GUI's: the event log and the verification talk
// to the unit) and written as a PDF by ReportPdf.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ConfigJson.h"
#include "IKVT80.h"
#include "image/ParameterImage.h"

namespace kvt::report {

// The unit as the engine knows it (texts in UTF-8).
struct UnitInfo {
    std::string port;
    std::string serialNumber;
    std::string controllerVersion;    // PICVersion
    std::string matrixVersion;        // MatrixVersion
    std::string nrVersions[2];        // preamp processors A and B
    std::string eqVersions[2];        // equaliser processors A and B
    std::string outputController;     // OutputPICVersion
    std::string processorController;  // ProcessorPICVersion
    std::string unitDate;             // YYMMDD as the unit's clock last read
    std::string unitTime;             // HHMMSS
    bool connected = false;
    bool initialized = false;
    bool systemMute = false;
    int32_t mode = 0;  // the playing format
    int32_t faderLevel = 0;
};

struct LogEntry {
    int32_t date = 0;  // (YY << 16) | (MM << 8) | DD
    int32_t time = 0;  // (HH << 16) | (MM << 8) | SS
    std::string description;
};

struct VerifyOutcome {
    bool ran = false;
    int32_t status = 0;
    uint32_t mask = 0;
    std::string note;  // why it did not run (English; the PDF shows it translated)
};

// The room EQ assistant's result for one channel, as its JSON report gives it.
struct RoomEqChannel {
    std::string channel;
    std::vector<double> hz;
    std::vector<std::optional<double>> target;
    std::vector<std::optional<double>> before;
    std::vector<std::optional<double>> after;
    bool afterPredicted = false;  // a dry run: the after curve is the assistant's prediction
    bool withinTolerance = false;
    double deviationBefore = 0.0;
    double deviationAfter = 0.0;
};

struct RoomEqResult {
    std::string target;
    bool completed = false;
    bool stored = false;
    bool dryRun = false;
    std::string failure;
    std::vector<RoomEqChannel> channels;
};

struct ServiceReport {
    std::string generated;  // local date and time the report was made
    std::string program;    // program name and version
    UnitInfo unit;
    ParameterImage image;                     // the configuration now
    std::optional<ParameterImage> atConnect;  // the configuration when the visit began
    bool logRead = false;
    std::vector<LogEntry> log;  // the most recent entries, oldest first
    size_t logTotal = 0;        // entries the unit returned
    VerifyOutcome verify;
    std::optional<RoomEqResult> roomEq;
    std::string notes;

    // The fields changed during the visit (empty without the connect-time configuration).
    std::vector<config::FieldDifference> Changes() const;
};

// How many log entries a report shows.
constexpr size_t kReportLogEntries = 40;

// The engine's parameter image (the exact image, as a configuration file would hold it); none
// for an engine that is not the in-process engine object.
std::optional<ParameterImage> EngineImage(IKVT80& engine);

UnitInfo ReadUnitInfo(IKVT80& engine);

// Reads the unit's event log: requests the dump and waits until the engine's worker has served
// it. Empty with an error text when the unit is not ready or the dump did not happen in time.
struct EventLogRead {
    std::vector<LogEntry> entries;
    std::string error;
};
EventLogRead ReadEventLog(IKVT80& engine, std::chrono::milliseconds timeout);

// Runs Verify once the queued writes have reached the unit (a verification while writes are
// pending would drop them: the worker empties its lists while the engine is not ready).
VerifyOutcome RunVerify(IKVT80& engine, std::chrono::milliseconds drainTimeout);

// Reads the JSON report kvt80-roomeq writes; an error names what is wrong.
struct RoomEqRead {
    std::optional<RoomEqResult> result;
    std::string error;
};
RoomEqRead ReadRoomEqReport(const std::string& path);
RoomEqRead ParseRoomEqReport(const std::string& text);

// What a report is made of besides what the engine holds.
struct GatherOptions {
    bool readLog = true;
    bool verify = true;
    std::optional<ParameterImage> atConnect;
    std::string roomEqPath;  // a kvt80-roomeq JSON report, or empty
    std::string notes;
    std::string program;
    std::string generated;
    std::chrono::milliseconds logTimeout{60000};
    std::chrono::milliseconds drainTimeout{10000};
};
struct Gathered {
    std::optional<ServiceReport> report;
    std::string error;               // why there is no report
    std::vector<std::string> notes;  // what the report lacks (the log could not be read, ...)
};
// Reads the event log and runs Verify when asked and the unit is ready, then takes the engine's
// configuration and unit texts. Talks to the unit: never on the GUI thread.
Gathered GatherReport(IKVT80& engine, const GatherOptions& options);

// The local date and time as the report shows it.
std::string LocalTimeText();

// Differences as a person reads them: a text field's raw bytes ("TheaterNameBytes") are left out
// when the text itself is listed, as they only repeat that change.
std::vector<config::FieldDifference> ReadableDifferences(
    const std::vector<config::FieldDifference>& differences);

// The most recent entries of a log, oldest first.
std::vector<LogEntry> RecentEntries(const std::vector<LogEntry>& all, size_t count);

// "YY-MM-DD HH:MM:SS" of a log entry.
std::string LogStamp(const LogEntry& entry);

// The parts of the unit the verification mask names ("preamp processors", ...), in English.
std::vector<std::string> VerifyMaskParts(uint32_t mask);
// The verification mask in words ("preamp processors, equaliser processors").
std::string VerifyMaskText(uint32_t mask);

}  // namespace kvt::report
