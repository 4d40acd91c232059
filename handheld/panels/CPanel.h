// CPanel: one of the handheld's full-screen panels. It re-reads the engine on Refresh() (the
// frame's refresh broadcast) and when it is shown.
#pragma once

#include <QWidget>

#include "IKVT80.h"

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::handheld {

class CPanel : public QWidget {
    Q_OBJECT

  public:
    CPanel(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr)
        : QWidget(parent), engine_(engine), bridge_(bridge) {}

    virtual void Refresh() = 0;

  protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        Refresh();
    }

    IKVT80& engine_;
    frontend::EngineBridge& bridge_;
};

}  // namespace kvt::handheld
