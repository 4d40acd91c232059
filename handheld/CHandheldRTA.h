// CHandheldRTA: the analyser window of the handheld's panels. The shared analyser display at the
// handheld's size, without buttons: a long press (or the context-menu button) opens a pop-up menu
// at the pressed point with its commands: power, sum and difference, the two traces and the
// drawing style. Dragging the graph scrolls the level axis as elsewhere.
#pragma once

#include <QPoint>
#include <QTimer>

#include "CCtlRTA.h"

class QMenu;

namespace kvt::handheld {

class CHandheldRTA : public frontend::CCtlRTA {
    Q_OBJECT

  public:
    // The level every band shows after the analyser was switched on or off.
    static constexpr double kResetLevel = -100.0;
    static constexpr int kLongPressMs = 600;

    CHandheldRTA(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                 QWidget* parent = nullptr);

    // Fills the menu with the commands in the analyser's present state (the items' object names:
    // "power", "sumDifference", "firstTrace", "secondTrace", "style").
    void FillMenu(QMenu& menu);
    // The power item's command: starts or stops the stream, and every analyser window shows
    // kResetLevel until the next update.
    void TogglePowerAndReset();
    // Shows or hides one trace (kFirstTrace or kSecondTrace); the last trace shown stays.
    void ToggleTrace(int trace);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ShowMenu(QPoint at);

    QTimer longPress_;
    QPoint pressedAt_;
};

}  // namespace kvt::handheld
