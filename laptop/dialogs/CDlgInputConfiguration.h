// CDlgInputConfiguration: chooses the unit's channel configuration (InputConfig 0 ... 3). OK
// writes the choice and announces it, so that the pages relabel their channels; Cancel writes
// nothing. A choice the engine refuses is not announced: the dialog says so and stays open.
#pragma once

#include <QDialog>
#include <array>

#include "IKVT80.h"

class QRadioButton;

namespace kvt::laptop {

class CDlgInputConfiguration : public QDialog {
    Q_OBJECT

  public:
    static constexpr std::array<int, 4> kChoiceIds{1517, 1518, 1519, 1520};

    explicit CDlgInputConfiguration(IKVT80& engine, QWidget* parent = nullptr);

    int Choice() const;

  protected:
    // The message box of a refused choice (tests answer it).
    virtual void ShowRefusal(const QString& text);

  signals:
    // After OK: the configuration written.
    void channelConfigChanged(int config);

  private:
    void accept() override;

    IKVT80& engine_;
    std::array<QRadioButton*, 4> choices_{};
};

}  // namespace kvt::laptop
