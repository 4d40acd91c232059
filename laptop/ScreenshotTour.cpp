#include "ScreenshotTour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "AppSettings.h"
#include "CMainFrame.h"
#include "ConfigSources.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "RemoteAddresses.h"
#include "dialogs/CDlgCompareFile.h"
#include "dialogs/CDlgConfigComm.h"
#include "dialogs/CDlgConnectionStatus.h"
#include "dialogs/CDlgCopyEQ.h"
#include "dialogs/CDlgDisconnectPrompt.h"
#include "dialogs/CDlgPassword.h"
#include "dialogs/CDlgServiceReport.h"
#include "dialogs/CDlgSetDateTime.h"
#include "dialogs/CDlgSplash.h"
#include "pages/CDlgDownloadPIC.h"
#include "pages/CDlgEQForm.h"
#include "pages/CDlgEventLog.h"
#include "pages/CDlgTerminalForm.h"
#include "pages/CDlgZoomedSLA.h"
#include "roomeq/CDlgRoomEQ.h"

namespace kvt::laptop {

namespace {

constexpr int kStepPauseMs = 300;
// The room EQ assistant measures three channels at the analyser's own pace.
constexpr int kRoomEQLimitMs = 180000;
constexpr int kPollMs = 50;
// The analyser's slowest bands average ten reads (a second); the picture waits for them to settle.
constexpr int kAnalyserSettleMs = 2500;

// One Intel HEX record with its checksum.
QByteArray HexRecord(int type, int address, const QByteArray& data) {
    QByteArray bytes;
    bytes.append(static_cast<char>(data.size()));
    bytes.append(static_cast<char>((address >> 8) & 0xFF));
    bytes.append(static_cast<char>(address & 0xFF));
    bytes.append(static_cast<char>(type));
    bytes.append(data);
    int sum = 0;
    for (const char byte : bytes) {
        sum += static_cast<unsigned char>(byte);
    }
    bytes.append(static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

QByteArray UpperAddress(int word) {
    return HexRecord(4, 0,
                     QByteArray::fromHex(QByteArray::number(word, 16).rightJustified(4, '0')));
}

// A small firmware image for the demonstration unit: program memory, the version in the user
// ID, and a little data EEPROM.
bool WriteDemoFirmware(const QString& path) {
    QByteArray text = UpperAddress(0x0000);
    for (int line = 0; line < 96; ++line) {
        QByteArray data;
        for (int byte = 0; byte < 16; ++byte) {
            data.append(static_cast<char>((line * 37 + byte * 11) & 0xFF));
        }
        text += HexRecord(0, line * 16, data);
    }
    text += UpperAddress(0x0020) + HexRecord(0, 0, QByteArray("021600\0\0", 8));
    text += UpperAddress(0x00F0);
    for (int line = 0; line < 4; ++line) {
        text += HexRecord(0, line * 16, QByteArray(16, static_cast<char>(line)));
    }
    text += HexRecord(1, 0, {});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

}  // namespace

ScreenshotTour::ScreenshotTour(CMainFrame& frame, QString folder, QObject* parent)
    : QObject(parent), frame_(frame), folder_(std::move(folder)) {}

ScreenshotTour::~ScreenshotTour() = default;

void ScreenshotTour::Start() {
    if (!QDir().mkpath(folder_)) {
        Fail(QStringLiteral("cannot create the folder %1").arg(folder_));
        return;
    }
    frame_.AnswerAutomatically(true);
    steps_ = {
        [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* splash = qobject_cast<CDlgSplash*>(window);
                    splash && splash->isVisible()) {
                    Save(*splash, QStringLiteral("splash"));
                }
            }
            Next();
        },
        [this] {
            When(
                [this] { return !frame_.Flows().Busy() && frontend::IsConnected(frame_.Engine()); },
                QStringLiteral("the connection to the demonstration unit"),
                [this] {
                    // The splash has gone by now; the window shows what the unit holds.
                    When(
                        [] {
                            for (QWidget* window : QApplication::topLevelWidgets()) {
                                if (qobject_cast<CDlgSplash*>(window) && window->isVisible()) {
                                    return false;
                                }
                            }
                            return true;
                        },
                        QStringLiteral("the splash to close"),
                        [this] {
                            frame_.Tabs().setCurrentIndex(0);
                            Save(frame_, QStringLiteral("main-connected"));
                            Next();
                        });
                });
        },
        [this] {
            // Pink noise on the left channel: the analyser starts and shows the simulated room.
            frame_.Engine().put_GeneratorMode(Variant::Int(TestToneModePink));
            frame_.Engine().put_GeneratorChannels(Variant::Int(GeneratorLeft));
            frame_.ShowPage(CMainFrame::kInputsPage);
            QTimer::singleShot(kAnalyserSettleMs, this, [this] {
                Save(frame_, QStringLiteral("inputs"));
                Next();
            });
        },
        [this] {
            CDlgZoomedSLA& zoomed = frame_.ZoomedAnalyser();
            zoomed.show();
            QTimer::singleShot(kAnalyserSettleMs / 2, this, [this, &zoomed] {
                Save(zoomed, QStringLiteral("zoomed-analyser"));
                zoomed.hide();
                frame_.Engine().put_GeneratorChannels(Variant::Int(GeneratorOff));
                frame_.ShowPage(CMainFrame::kProfilePage);
                Next();
            });
        },
        [this] { SavePage(CMainFrame::kEqualizerPage, QStringLiteral("equalizer")); },
        [this] {
            // The subwoofer's parametric band in place of the bands, then back to the centre.
            ClickChannel(QStringLiteral("1497"));
            QTimer::singleShot(kStepPauseMs, this, [this] {
                Save(frame_, QStringLiteral("equalizer-subwoofer"));
                ClickChannel(QStringLiteral("1491"));
                Next();
            });
        },
        [this] {
            auto* equalizer =
                qobject_cast<CDlgEQForm*>(frame_.PageWidget(CMainFrame::kEqualizerPage));
            const int channel = equalizer != nullptr ? equalizer->SelectedChannel() : 0;
            ShowDialogFor(new CDlgCopyEQ(frame_.Engine(), channel, &frame_),
                          QStringLiteral("copy-eq"));
        },
        [this] {
            // The Formats page on the digital format with a preset level: its input type, its
            // projector delays and its fallback.
            constexpr int kDigitalB = 8;
            IKVT80& engine = frame_.Engine();
            engine.put_FormatLevel(Variant::Int(kDigitalB), 70);
            engine.put_Mode(Variant::Int(kDigitalB));
            emit frame_.selectFormat(kDigitalB);
            frame_.ShowPage(CMainFrame::kFormatsPage);
            QTimer::singleShot(kStepPauseMs, this, [this] {
                Save(frame_, QStringLiteral("formats"));
                Next();
            });
        },
        [this] {
            // The Outputs page with the room levels of a calibrated room and pink noise on the
            // centre channel, as a click on its slider leaves it.
            IKVT80& engine = frame_.Engine();
            const double levels[] = {-1.5, 0.0, -1.0, -4.5, 2.5, -5.0, -6.0, -6.5};
            for (int channel = 0; channel < 8; ++channel) {
                engine.put_OutputGain(Variant::Int(channel), levels[channel]);
            }
            frame_.RefreshAll();
            frame_.ShowPage(CMainFrame::kOutputsPage);
            frame_.activateWindow();
            if (QWidget* centre = frame_.PageWidget(CMainFrame::kOutputsPage)
                                      ->findChild<QWidget*>(QStringLiteral("1318"))) {
                centre->setFocus();
            }
            engine.put_GeneratorChannels(Variant::Int(2));
            QTimer::singleShot(kStepPauseMs, this, [this] {
                Save(frame_, QStringLiteral("outputs"));
                frame_.Engine().put_GeneratorChannels(Variant::Int(0));
                frame_.ShowPage(CMainFrame::kProfilePage);
                Next();
            });
        },
        [this] {
            steps_ = RoomEQSteps() + DiagnosticsSteps() + steps_;
            Next();
        },
        [this] {
            frame_.Tabs().setCurrentIndex(0);
            ShowDialogFor(new CDlgDisconnectPrompt(&frame_), QStringLiteral("disconnect-prompt"));
        },
        [this] {
            auto* progress = new CDlgConnectionStatus(&frame_);
            progress->SetProgress(tr("Retrieving EQ Parameters..."), 46, 108);
            ShowDialogFor(progress, QStringLiteral("progress-dialog"));
        },
        [this] {
            ShowDialogFor(new CDlgSplash(CDlgSplash::Mode::About, &frame_),
                          QStringLiteral("about"));
        },
        [this] {
            // The configuration as it was at the connection, against the levels set since.
            const QString before = QDir(folder_).filePath(QStringLiteral("at-connect.kvt"));
            if (!frame_.VisitStart() ||
                !config::WriteConfigurationFile(before.toStdString(), *frame_.VisitStart())) {
                Fail(QStringLiteral("no configuration from the connection to compare with"));
                return;
            }
            auto* comparison = new CDlgCompareFile(frame_.Engine(), before, &frame_);
            QFile::remove(before);
            ShowDialogFor(comparison, QStringLiteral("compare-with-file"));
        },
        [this] {
            auto* report = new CDlgServiceReport(frame_.Engine(), frame_.VisitStart(), &frame_);
            report->Notes().setPlainText(
                QStringLiteral("Room levels set again after the new surround amplifiers.\n"
                               "Centre 1 kHz band checked with the analyser."));
            report->OutputFile().setText(
                QDir::home().filePath(QStringLiteral("KVT-80 report SIM-000001 2026-12-08.pdf")));
            ShowDialogFor(report, QStringLiteral("service-report"));
        },
        [this] {
            frame_.Flows().Disconnect();
            When(
                [this] {
                    return !frame_.Flows().Busy() && !frontend::IsConnected(frame_.Engine());
                },
                QStringLiteral("the disconnection with a store"),
                [this] {
                    Save(frame_, QStringLiteral("main-disconnected"));
                    Next();
                });
        },
        [this] {
            addresses_ = std::make_unique<frontend::RemoteAddressStore>(frontend::SettingsFolder());
            ShowDialogFor(new CDlgConfigComm(frame_.Engine(), *addresses_, &frame_),
                          QStringLiteral("communication-settings"));
        },
        [this] { DownloadFirmware(); },
        [this] { emit finished(failure_.isEmpty()); },
    };
    QTimer::singleShot(kStepPauseMs, this, &ScreenshotTour::Next);
}

// The Download page after new firmware went to the demonstration unit: the diagnostics are
// unlocked (the password prompt answered as support would), the unit is powered up holding S5.
void ScreenshotTour::DownloadFirmware() {
    if (!frame_.DiagnosticsUnlocked()) {
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* prompt = qobject_cast<CDlgPassword*>(window);
                if (prompt != nullptr && prompt->isVisible()) {
                    prompt->findChild<QLineEdit*>()->setText(QStringLiteral("mivok"));
                    static_cast<QDialog*>(prompt)->accept();
                }
            }
        });
        answer.start(kPollMs);
        frame_.UnlockDiagnostics();
    }
    auto* page = qobject_cast<CDlgDownloadPIC*>(frame_.PageWidget(CMainFrame::kDownloadPage));
    auto* powerCycle = page != nullptr ? page->findChild<QPushButton*>("powerCycleS5") : nullptr;
    if (page == nullptr || powerCycle == nullptr || !frame_.DiagnosticsUnlocked()) {
        Fail(QStringLiteral("the Download page is not there after the unlock"));
        return;
    }
    scratch_ = std::make_unique<QTemporaryDir>();
    const QString firmware = scratch_->filePath(QStringLiteral("kvt80-firmware.hex"));
    if (!scratch_->isValid() || !WriteDemoFirmware(firmware)) {
        Fail(QStringLiteral("cannot write the demonstration firmware"));
        return;
    }
    frame_.ShowPage(CMainFrame::kDownloadPage);
    page->SelectTarget(CDlgDownloadPIC::kControlCard);
    page->ChooseFile(firmware);
    if (!page->FileChosen()) {
        Fail(QStringLiteral("the demonstration firmware was refused"));
        return;
    }
    powerCycle->click();
    page->Download();
    When([this, page] { return !page->Downloading() && !frame_.Flows().Busy(); },
         QStringLiteral("the firmware download"),
         [this, page] {
             if (page->DownloadState() != PICDownloadStateCompleted) {
                 Fail(QStringLiteral("the firmware download ended in state %1")
                          .arg(page->DownloadState()));
                 return;
             }
             Save(frame_, QStringLiteral("download"));
             Next();
         });
}

void ScreenshotTour::Next() {
    if (steps_.isEmpty() || !failure_.isEmpty()) {
        return;
    }
    const Step step = steps_.takeFirst();
    QTimer::singleShot(kStepPauseMs, this, step);
}

void ScreenshotTour::When(std::function<bool()> condition, const QString& what, Step step,
                          int limitMs) {
    auto* timer = new QTimer(this);
    auto* clock = new QElapsedTimer;
    clock->start();
    connect(timer, &QTimer::timeout, this, [=, this] {
        if (condition()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            step();
        } else if (clock->elapsed() > limitMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            Fail(QStringLiteral("timed out waiting for %1").arg(what));
        }
    });
    timer->start(kPollMs);
}

QList<ScreenshotTour::Step> ScreenshotTour::RoomEQSteps() {
    return {
        [this] {
            CDlgRoomEQ* wizard = frame_.ShowRoomEQ();
            wizard->SetChannels({roomeq::L, roomeq::C, roomeq::R});
            wizard->resize(wizard->sizeHint().expandedTo(QSize(760, 520)));
            QTimer::singleShot(kStepPauseMs, this, [this, wizard] {
                Save(*wizard, QStringLiteral("room-eq-setup"));
                wizard->Start();
                auto* log = wizard->findChild<QPlainTextEdit*>(QStringLiteral("runLog"));
                When([log] { return log->toPlainText().contains(QStringLiteral("C: measuring")); },
                     QStringLiteral("the room EQ assistant to reach the centre channel"),
                     [this, wizard] {
                         Save(*wizard, QStringLiteral("room-eq-running"));
                         Next();
                     },
                     kRoomEQLimitMs);
            });
        },
        [this] {
            CDlgRoomEQ* wizard = frame_.ShowRoomEQ();
            When([wizard] { return wizard->CurrentStage() == CDlgRoomEQ::Stage::Results; },
                 QStringLiteral("the room EQ assistant's results"),
                 [this, wizard] {
                     wizard->ShowChannel(1);
                     QTimer::singleShot(kStepPauseMs, this, [this, wizard] {
                         Save(*wizard, QStringLiteral("room-eq-results"));
                         wizard->close();
                         Next();
                     });
                 },
                 kRoomEQLimitMs);
        },
    };
}

void ScreenshotTour::SavePage(int page, const QString& name) {
    frame_.ShowPage(static_cast<CMainFrame::Page>(page));
    QTimer::singleShot(kStepPauseMs, this, [this, name] {
        Save(frame_, name);
        Next();
    });
}

void ScreenshotTour::ClickChannel(const QString& id) {
    if (QWidget* page = frame_.PageWidget(CMainFrame::kEqualizerPage)) {
        if (auto* button = page->findChild<QRadioButton*>(id)) {
            button->click();
        }
    }
}

void ScreenshotTour::ShowDialogFor(QWidget* dialog, const QString& name) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    QTimer::singleShot(kStepPauseMs, this, [this, dialog, name] {
        Save(*dialog, name);
        dialog->hide();
        dialog->deleteLater();
        Next();
    });
}

void ScreenshotTour::Save(QWidget& window, const QString& name) {
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        Fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    saved_.push_back(path);
}

void ScreenshotTour::Fail(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    emit finished(false);
}

// ---- The diagnostics pages ----------------------------------------------------------------------

namespace {

// Keys typed into a widget as a person would, a carriage return as the Enter key.
void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        const bool enter = c == QLatin1Char('\r');
        const int key = enter ? int{Qt::Key_Return} : int{c.toUpper().unicode()};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &release);
    }
}

}  // namespace

QList<ScreenshotTour::Step> ScreenshotTour::DiagnosticsSteps() {
    auto* terminal = qobject_cast<CDlgTerminalForm*>(frame_.PageWidget(CMainFrame::kTerminalPage));
    auto* eventLog = qobject_cast<CDlgEventLog*>(frame_.PageWidget(CMainFrame::kEventLogPage));
    if (terminal == nullptr || eventLog == nullptr) {
        return {};
    }
    const auto consoleShows = [terminal](const QString& text) {
        return [terminal, text] { return terminal->Console().toPlainText().contains(text); };
    };
    return {
        [this] {
            if (frame_.DiagnosticsUnlocked()) {
                Next();
                return;
            }
            // The password prompt is answered as support personnel would.
            QTimer::singleShot(kStepPauseMs, this, [] {
                if (auto* prompt = qobject_cast<CDlgPassword*>(QApplication::activeModalWidget())) {
                    prompt->findChild<QLineEdit*>(QStringLiteral("1386"))
                        ->setText(QStringLiteral("mivok"));
                    prompt->findChild<QPushButton*>(QStringLiteral("1"))->click();
                }
            });
            frame_.UnlockDiagnostics();
            When([this] { return frame_.DiagnosticsUnlocked(); },
                 QStringLiteral("the diagnostics unlock"), [this] { Next(); });
        },
        [this, terminal, consoleShows] {
            frame_.ShowPage(CMainFrame::kTerminalPage);
            When(consoleShows(QStringLiteral(">")), QStringLiteral("the unit's command prompt"),
                 [this, terminal, consoleShows] {
                     Type(terminal->Console(), QStringLiteral("date\r"));
                     When(consoleShows(QStringLiteral("date\n")), QStringLiteral("the date"),
                          [this, terminal, consoleShows] {
                              Type(terminal->Console(), QStringLiteral("dumplog\r"));
                              When(consoleShows(QStringLiteral("Power on")),
                                   QStringLiteral("the log on the terminal"), [this, terminal] {
                                       Type(terminal->Console(), QStringLiteral("stat"));
                                       QTimer::singleShot(kStepPauseMs, this, [this] {
                                           Save(frame_, QStringLiteral("terminal"));
                                           Next();
                                       });
                                   });
                          });
                 });
        },
        [this, eventLog] {
            frame_.ShowPage(CMainFrame::kEventLogPage);
            // The terminal, left, hands the unit back to the engine.
            When(
                [this] {
                    VariantBool ready = VARIANT_FALSE;
                    frame_.Engine().get_Initialized(&ready);
                    return ready == VARIANT_TRUE;
                },
                QStringLiteral("the unit back in normal operation"),
                [this, eventLog] {
                    eventLog->findChild<QPushButton*>(QStringLiteral("1536"))->click();
                    When(
                        [eventLog] {
                            return !eventLog->Reading() && eventLog->List().rowCount() > 0;
                        },
                        QStringLiteral("the event log"),
                        [this, eventLog] {
                            eventLog->SortByColumn(CDlgEventLog::kDateColumn);
                            eventLog->List().selectRow(2);
                            Save(frame_, QStringLiteral("event-log"));
                            Next();
                        });
                });
        },
        [this] {
            // The clock as the engine's status poll last read it.
            When(
                [this] {
                    std::u16string date;
                    frame_.Engine().get_UnitDate(&date);
                    return !date.empty();
                },
                QStringLiteral("the unit's clock"),
                [this] {
                    ShowDialogFor(new CDlgSetDateTime(frame_.Engine(), &frame_),
                                  QStringLiteral("set-date-time"));
                });
        },
        [this] {
            frame_.ShowPage(CMainFrame::kProfilePage);
            Next();
        },
    };
}

}  // namespace kvt::laptop
