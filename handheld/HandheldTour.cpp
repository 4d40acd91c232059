#include "HandheldTour.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include "CHandheldFrame.h"
#include "CHandheldRTA.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
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
    steps_.push_back([this] {
        frame_.Engine().put_GeneratorChannels(Variant::Int(0));
        frame_.Flows().Disconnect();
        When([this] { return !frame_.Flows().Busy() && !frontend::IsConnected(frame_.Engine()); },
             QStringLiteral("the disconnection"), [this] { emit finished(true); });
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

void HandheldTour::Fail(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    emit finished(false);
}

}  // namespace kvt::handheld
