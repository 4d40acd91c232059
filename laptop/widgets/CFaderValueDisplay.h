// CFaderValueDisplay: the main fader's level beside it, as the fader's position over ten with one
// decimal ("7.0" at the nominal level), in bold dark red on the button face. The text is as large
// as the box allows for the widest level, so "10.0" never clips in the frame's narrow slot.
#pragma once

#include <QLabel>

namespace kvt::laptop {

// A position in tenths as text with one decimal: 0 "0.0", 5 "0.5", 70 "7.0", 100 "10.0",
// -5 "-0.5". The point goes before the last digit, with a "0" in front when nothing would be.
QString FaderText(int position);

class CFaderValueDisplay : public QLabel {
    Q_OBJECT

  public:
    explicit CFaderValueDisplay(QWidget* parent = nullptr);

    int Position() const { return position_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  public slots:
    void SetPosition(int position);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitFont();

    int position_ = 0;
};

}  // namespace kvt::laptop
