// CLevelMeter: an input level indicator of the handheld's panels. Four lamps, top to bottom, show
// the level against the calibration point as the laptop's Inputs page does (red above or below
// the band, green inside it, both green at the point), with the level below them ("%.1f").
// No input (both sides at the engine's silent level) leaves every lamp dark.
#pragma once

#include <QWidget>
#include <array>

namespace kvt::handheld {

class CLevelMeter : public QWidget {
    Q_OBJECT

  public:
    // What each lamp shows: the images of the laptop's indicator (0 outer lit, 1 outer unlit,
    // 2 inner lit, 3 inner unlit).
    using Lamps = std::array<int, 4>;

    explicit CLevelMeter(const QString& name, QWidget* parent = nullptr);

    // The level in dB against the calibration point; silent: no input at all.
    void SetLevel(double level, bool silent);
    Lamps ShownLamps() const { return lamps_; }
    QString LevelText() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Lamps lamps_;
    QString text_;
};

}  // namespace kvt::handheld
