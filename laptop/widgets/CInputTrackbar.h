// CInputTrackbar: a slider of the Inputs page (gains, slit and mono EQ, surround and subwoofer
// settings), drawn in the page's colours: the thumb a gradient from its own colour (grey while
// disabled), the channel white (horizontal) or blue (vertical) while it has the focus. A vertical
// one has its lowest position at the top, as the page's positions are negated values.
//
// It writes as the main fader does: positionWritten comes for every change while the left mouse
// button or an arrow key is held (the unit follows a drag or a held key step by step), otherwise
// for changes by page, to either end, and at the end of a track; never for a position the program
// sets. positionShown follows every change, whoever made it.
#pragma once

#include <QColor>
#include <QSlider>
#include <optional>

namespace kvt::laptop {

class CInputTrackbar : public QSlider {
    Q_OBJECT

  public:
    CInputTrackbar(Qt::Orientation orientation, QColor thumbColour, QWidget* parent = nullptr);

    // Sets the position without writing it.
    void SetPosition(int position);

  signals:
    void positionShown(int position);
    void positionWritten(int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void OnAction(int action);
    void OnValueChanged(int position);
    void EndTrack();
    void Write();
    bool Holding() const { return mouseDown_ || heldArrows_ != 0; }

    QColor thumbColour_;
    bool mouseDown_ = false;
    unsigned heldArrows_ = 0;
    bool userAction_ = false;   // the next value change is the user's
    bool writeAction_ = false;  // ... and one written even when nothing is held
    bool trackMoved_ = false;
    std::optional<int> lastWritten_;
};

}  // namespace kvt::laptop
