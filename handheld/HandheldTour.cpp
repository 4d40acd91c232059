#include "HandheldTour.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "CHandheldFrame.h"
#include "CHandheldRTA.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "dialogs/CDlgProgressStatus.h"
#include "panels/CPanelEqualizer.h"
#include "panels/CPanelOptical.h"

namespace kvt::handheld {

namespace {
constexpr int kStepPauseMs = 300;
constexpr int kAnalyserSettleMs = 1500;
constexpr int kPollMs = 50;
constexpr int kWaitLimitMs = 60000;

QString FileName(CHandheldFrame::Panel panel) {
    static const std::array<const char*, CHandheldFrame::kPanelCount> names{
        "profile", "optical", "matrix", "equalizer", "format-setup", "outputs"};
    return QStringLiteral("kvtexecce-%1").arg(QLatin1String(names[panel]));
}

// The dialogs the menus open, with their pictures' names.
struct MenuDialog {
    int command;
    const char* name;
};
constexpr std::array<MenuDialog, 7> kMenuDialogs{{
    {CHandheldFrame::kOpen, "open"},
    {CHandheldFrame::kAbout, "about"},
    {CHandheldFrame::kCommunicationSettings, "comm-settings"},
    {CHandheldFrame::kCopyEQ, "copy-eq"},
    {CHandheldFrame::kHeadroomConfiguration, "headroom"},
    {CHandheldFrame::kInputConfiguration, "input-configuration"},
    {CHandheldFrame::kDigitalDelays, "digital-delays"},
}};

// The progress dialog the frame shows, if any.
QDialog* ShownProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<laptop::CDlgProgressStatus*>(widget);
            dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}
}  // namespace

HandheldTour::HandheldTour(CHandheldFrame& frame, QString folder, QObject* parent)
    : QObject(parent), frame_(frame), folder_(std::move(folder)) {}

void HandheldTour::Start() {
    if (!QDir().mkpath(folder_)) {
        Fail(QStringLiteral("cannot create the folder %1").arg(folder_));
        return;
    }
    steps_ = {
        [this] {
            When(
                [this] { return !frame_.Flows().Busy() && frontend::IsConnected(frame_.Engine()); },
                QStringLiteral("the connection to the demonstration unit"), [this] { Next(); });
        },
        [this] {
            // Pink noise on the left channel, and the analyser on: the panels show the room.
            IKVT80& engine = frame_.Engine();
            engine.put_GeneratorMode(Variant::Int(0));
            engine.put_GeneratorChannels(Variant::Int(1));
            auto* optical =
                static_cast<CPanelOptical*>(frame_.PanelWidget(CHandheldFrame::kOpticalPanel));
            if (optical != nullptr && !optical->Analyser()->Running()) {
                optical->Analyser()->TogglePowerAndReset();
            }
            QTimer::singleShot(kAnalyserSettleMs, this, [this] { Next(); });
        },
    };
    for (int panel = 0; panel < CHandheldFrame::kPanelCount; ++panel) {
        const auto shown = static_cast<CHandheldFrame::Panel>(panel);
        if (frame_.PanelWidget(shown) == nullptr) {
            continue;
        }
        steps_.push_back([this, shown] {
            frame_.ShowPanel(shown);
            QTimer::singleShot(kAnalyserSettleMs / 2, this, [this, shown] {
                Save(frame_, FileName(shown));
                Next();
            });
        });
    }
    steps_.push_back([this] {
        // The subwoofer's parametric band on the Equalizer panel.
        if (auto* equalizer = static_cast<CPanelEqualizer*>(
                frame_.PanelWidget(CHandheldFrame::kEqualizerPanel))) {
            frame_.ShowPanel(CHandheldFrame::kEqualizerPanel);
            equalizer->SelectChannel(CPanelEqualizer::kSubwooferChannel);
            QTimer::singleShot(kStepPauseMs, this, [this] {
                Save(frame_, QStringLiteral("kvtexecce-equalizer-sub"));
                Next();
            });
        } else {
            Next();
        }
    });
    // Format Setup for the formats with controls of their own: Ext 2 taking AES/EBU (input type
    // and digital fallback) and Mic (mic channel). The format in use comes back afterwards.
    steps_.push_back([this] {
        IKVT80& engine = frame_.Engine();
        formatBefore_ = frontend::IntProperty(engine, &IKVT80::get_Mode);
        Variant aesEbu;
        engine.get_FormatAESEBU(Variant::Int(FormatDigitalB), &aesEbu);
        aesEbuBefore_ = aesEbu.IsTrue();
        engine.put_FormatAESEBU(Variant::Int(FormatDigitalB), Variant::Bool(true));
        engine.put_Mode(Variant::Int(FormatDigitalB));
        frame_.ShowPanel(CHandheldFrame::kFormatSetupPanel);
        frame_.RefreshAll();
        QTimer::singleShot(kStepPauseMs, this, [this] {
            Save(frame_, QStringLiteral("kvtexecce-format-setup-ext2"));
            frame_.Engine().put_Mode(Variant::Int(FormatMicCenter));
            frame_.RefreshAll();
            QTimer::singleShot(kStepPauseMs, this, [this] {
                Save(frame_, QStringLiteral("kvtexecce-format-setup-mic"));
                IKVT80& engine = frame_.Engine();
                engine.put_FormatAESEBU(Variant::Int(FormatDigitalB), Variant::Bool(aesEbuBefore_));
                engine.put_Mode(Variant::Int(formatBefore_));
                frame_.RefreshAll();
                Next();
            });
        });
    });
    // Every dialog of the menus, over the panel, as the user sees it.
    steps_.push_back([this] {
        frame_.ShowPanel(CHandheldFrame::kEqualizerPanel);
        Next();
    });
    for (const MenuDialog& dialog : kMenuDialogs) {
        steps_.push_back([this, dialog] {
            QAction* action = frame_.Action(dialog.command);
            if (action == nullptr || !action->isEnabled()) {
                Next();
                return;
            }
            const QString name = QStringLiteral("kvtexecce-%1").arg(QLatin1String(dialog.name));
            frame_.SetDialogShown([this, name](QDialog& shown) {
                QPointer<QDialog> open(&shown);
                QTimer::singleShot(kStepPauseMs, this, [this, open, name] {
                    if (open) {
                        SaveOver(*open, name);
                        open->reject();
                    }
                });
            });
            action->trigger();
            frame_.SetDialogShown({});
            Next();
        });
    }
    // The communication settings are offered only while disconnected: after the store, with the
    // "Saving..." progress dialog on the way when the tour sees it.
    steps_.push_back([this] {
        frame_.Engine().put_GeneratorChannels(Variant::Int(0));
        frame_.Flows().Disconnect();
        auto savedProgress = std::make_shared<bool>(false);
        When(
            [this, savedProgress] {
                if (!*savedProgress) {
                    if (QDialog* progress = ShownProgressDialog()) {
                        SaveOver(*progress, QStringLiteral("kvtexecce-saving"));
                        *savedProgress = true;
                    }
                }
                return !frame_.Flows().Busy() && !frontend::IsConnected(frame_.Engine());
            },
            QStringLiteral("the disconnection"), [this] { Next(); });
    });
    steps_.push_back([this] {
        frame_.SetDialogShown([this](QDialog& shown) {
            QPointer<QDialog> open(&shown);
            QTimer::singleShot(kStepPauseMs, this, [this, open] {
                if (open) {
                    SaveOver(*open, QStringLiteral("kvtexecce-comm-settings"));
                    open->reject();
                }
            });
        });
        frame_.Action(CHandheldFrame::kCommunicationSettings)->trigger();
        frame_.SetDialogShown({});
        emit finished(failure_.isEmpty());
    });
    Next();
}

void HandheldTour::Next() {
    if (steps_.isEmpty() || !failure_.isEmpty()) {
        return;
    }
    const Step step = steps_.takeFirst();
    QTimer::singleShot(kStepPauseMs, this, step);
}

void HandheldTour::When(std::function<bool()> condition, const QString& what, Step step) {
    auto* timer = new QTimer(this);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    connect(timer, &QTimer::timeout, this, [=, this] {
        if (condition()) {
            timer->stop();
            timer->deleteLater();
            step();
        } else if (clock->elapsed() > kWaitLimitMs) {
            timer->stop();
            timer->deleteLater();
            Fail(QStringLiteral("timed out waiting for %1").arg(what));
        }
    });
    timer->start(kPollMs);
}

void HandheldTour::Save(QWidget& window, const QString& name) {
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        Fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    saved_.push_back(path);
}

void HandheldTour::SaveOver(QWidget& dialog, const QString& name) {
    // A dialog whose content needs more room than it has would show clipped on the device.
    if (QLayout* layout = dialog.layout()) {
        const QSize needed = layout->minimumSize();
        if (needed.width() > dialog.width() || needed.height() > dialog.height() ||
            dialog.width() > frame_.width() || dialog.height() > frame_.height()) {
            Fail(
                QStringLiteral("%1 does not fit: it needs %2 x %3, has %4 x %5 on a %6 x %7 screen")
                    .arg(name)
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(dialog.width())
                    .arg(dialog.height())
                    .arg(frame_.width())
                    .arg(frame_.height()));
            return;
        }
    }
    QPixmap picture = frame_.grab();
    {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(0, 0, 0, 60));
        painter.drawPixmap(dialog.mapToGlobal(QPoint(0, 0)) - frame_.mapToGlobal(QPoint(0, 0)),
                           dialog.grab());
    }
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!picture.save(path)) {
        Fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    saved_.push_back(path);
}

void HandheldTour::Fail(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    emit finished(false);
}

}  // namespace kvt::handheld
