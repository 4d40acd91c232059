// CDlgHeadroomAdjust: chooses the unit's input headroom (HeadroomAdjust 0, 1 or 2). OK writes the
// choice; Cancel writes nothing.
#pragma once

#include <QDialog>
#include <array>

#include "IKVT80.h"

class QRadioButton;

namespace kvt::laptop {

class CDlgHeadroomAdjust : public QDialog {
    Q_OBJECT

  public:
    static constexpr std::array<int, 3> kChoiceIds{1509, 1510, 1511};

    explicit CDlgHeadroomAdjust(IKVT80& engine, QWidget* parent = nullptr);

    // The checked choice (0 ... 2), or -1 when none is.
    int Choice() const;

  private:
    void accept() override;

    IKVT80& engine_;
    std::array<QRadioButton*, 3> choices_{};
};

}  // namespace kvt::laptop
