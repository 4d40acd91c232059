// CRoomEQPlot: one channel's response as the room EQ assistant saw it, drawn on the analyser's
// third-octave grid: the measurement before, the target and the measurement after, on a
// log-frequency axis from 20 Hz to 20 kHz. The columns the channel was judged on are shaded.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "Bands.h"

namespace kvt::laptop {

class CRoomEQPlot : public QWidget {
    Q_OBJECT

  public:
    struct Curves {
        roomeq::Curve before{};
        roomeq::Curve target{};
        roomeq::Curve after{};
        std::array<bool, roomeq::kColumns> hasTarget{};
        std::array<bool, roomeq::kColumns> judged{};
    };

    explicit CRoomEQPlot(QWidget* parent = nullptr);

    void SetCurves(const Curves& curves);
    void Clear();
    bool HasCurves() const { return curves_.has_value(); }

    QSize sizeHint() const override { return {560, 300}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<Curves> curves_;
};

}  // namespace kvt::laptop
