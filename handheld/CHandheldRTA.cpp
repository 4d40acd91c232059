#include "CHandheldRTA.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace kvt::handheld {

namespace {
// A finger moving further than this is dragging the graph, not holding it.
constexpr int kPressSlop = 8;
}  // namespace

CHandheldRTA::CHandheldRTA(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                           QWidget* parent)
    : CCtlRTA(engine, bridge, frontend::AnalyserMetrics::Handheld(languageCode), parent) {
    longPress_.setSingleShot(true);
    longPress_.setInterval(kLongPressMs);
    connect(&longPress_, &QTimer::timeout, this, [this] { ShowMenu(pressedAt_); });
}

void CHandheldRTA::FillMenu(QMenu& menu) {
    const bool sumAndDifference = SumAndDifference();
    QAction* power = menu.addAction(Running() ? tr("Power Off") : tr("Power On"));
    power->setObjectName(QStringLiteral("power"));
    connect(power, &QAction::triggered, this, &CHandheldRTA::TogglePowerAndReset);

    QAction* mode = menu.addAction(sumAndDifference ? tr("Normal") : tr("Sum && Difference"));
    mode->setObjectName(QStringLiteral("sumDifference"));
    connect(mode, &QAction::triggered, this, &CHandheldRTA::ToggleSumAndDifference);

    const int shown = ChannelSelection();
    const auto addTrace = [&](int trace, const QString& text, const char* name) {
        QAction* item = menu.addAction(text);
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        item->setChecked((shown & trace) != 0);
        // The only trace shown cannot be hidden.
        item->setEnabled(shown != trace);
        connect(item, &QAction::triggered, this, [this, trace] { ToggleTrace(trace); });
    };
    addTrace(kFirstTrace, sumAndDifference ? tr("Sum") : tr("Left"), "firstTrace");
    addTrace(kSecondTrace, sumAndDifference ? tr("Difference") : tr("Right"), "secondTrace");

    QAction* style = menu.addAction(Lines() ? tr("Bars") : tr("Lines"));
    style->setObjectName(QStringLiteral("style"));
    connect(style, &QAction::triggered, this, &CHandheldRTA::ToggleStyle);
}

void CHandheldRTA::TogglePowerAndReset() {
    TogglePower();
    for (CCtlRTA* analyser : Instances()) {
        analyser->ResetTraces(kResetLevel);
    }
}

void CHandheldRTA::ToggleTrace(int trace) {
    const int shown = ChannelSelection() ^ trace;
    if (shown != 0) {
        SetChannelSelection(shown);
    }
}

void CHandheldRTA::ShowMenu(QPoint at) {
    longPress_.stop();
    QMenu menu(this);
    FillMenu(menu);
    menu.exec(mapToGlobal(at));
}

void CHandheldRTA::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position().toPoint();
        longPress_.start();
    }
    CCtlRTA::mousePressEvent(event);
}

void CHandheldRTA::mouseMoveEvent(QMouseEvent* event) {
    if (longPress_.isActive() &&
        (event->position().toPoint() - pressedAt_).manhattanLength() > kPressSlop) {
        longPress_.stop();
    }
    CCtlRTA::mouseMoveEvent(event);
}

void CHandheldRTA::mouseReleaseEvent(QMouseEvent* event) {
    longPress_.stop();
    CCtlRTA::mouseReleaseEvent(event);
}

void CHandheldRTA::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    ShowMenu(event->pos());
}

}  // namespace kvt::handheld
