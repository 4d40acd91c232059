// CMainFader: the main fader on the frame's toolbar (0 to 100, the unit's FaderLevel).
//
// A horizontal slider drawn in the program's own colours: ticks every 10 above and below the
// channel, a mark at the nominal level 70, a red thumb, and a white channel while it has the
// focus. Keys: Left/Down one step down, Right/Up one step up, PageDown/PageUp ten down or up,
// Home 0, End 100. Mouse: drag the thumb, or press the channel to page towards the pointer (held,
// it keeps paging until the thumb reaches the pointer).
//
// Two signals keep the display and the engine apart. levelDisplayed follows every change of the
// position, whoever made it. levelWritten asks for FaderLevel to be written: for every change
// while the left mouse button or an arrow key is held (so the unit follows a drag or a held key
// step by step), and otherwise only for changes by page, to either end, or at the end of a track.
// A position set by the program never writes unless it asks for it (SetLevel with write).
#pragma once

#include <QAbstractSlider>
#include <QTimer>
#include <optional>

class QPainter;

namespace kvt::laptop {

class CMainFader : public QAbstractSlider {
    Q_OBJECT

  public:
    static constexpr int kMinimumLevel = 0;
    static constexpr int kMaximumLevel = 100;
    static constexpr int kNominalLevel = 70;
    static constexpr int kTickInterval = 10;
    static constexpr int kPageStep = 10;

    explicit CMainFader(QWidget* parent = nullptr);

    int Level() const { return value(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The thumb and the channel in widget coordinates, as they are drawn and hit.
    QRect ThumbRect() const;
    QRect ChannelRect() const;
    // The x coordinate of a position's centre line.
    int PositionX(int position) const;

  public slots:
    // Moves the fader to level (clamped to 0..100). With write, FaderLevel is written as for a
    // move to either end, even when the position stays the same; without, nothing is written.
    void SetLevel(int level, bool write);

  signals:
    void levelDisplayed(int level);
    void levelWritten(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // How a position change came about; decides whether it is written.
    enum class Track { Line, Page, ToEnd, Thumb };

    void Move(int position, Track track);
    void EndTrack();
    void Write();
    bool HoldingInput() const { return leftButtonDown_ || heldArrows_ != 0; }
    int PositionAt(int x) const;
    void PageTowardsPointer();
    void StopPaging();

    void DrawTicks(QPainter& painter) const;
    void DrawChannel(QPainter& painter) const;
    void DrawThumb(QPainter& painter) const;

    bool leftButtonDown_ = false;
    unsigned heldArrows_ = 0;  // one bit per arrow key currently held
    bool dragging_ = false;
    int dragOffset_ = 0;       // pointer x minus the thumb's centre at the press
    int pagePointerX_ = 0;     // where the pointer pressed (or now is) while paging
    int pageDirection_ = 0;    // -1 or +1 while the channel is held, else 0
    int wheelRemainder_ = 0;   // wheel angle not yet worth a step (fine-grained wheels)
    bool trackMoved_ = false;  // the current track changed the position
    std::optional<int> lastWritten_;
    QTimer pageRepeat_;
};

}  // namespace kvt::laptop
