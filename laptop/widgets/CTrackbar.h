// CTrackbar: the program's slider, horizontal or vertical, drawn in its own colours, with the rule
// for when a move reaches the engine.
//
// Drawing: ticks every TickInterval on both sides of the channel (none when it is 0), a triangle
// instead of the tick at a nominal position (the Mark), a thumb filled with a gradient from its
// colour (grey text colour while disabled), and a channel that is white (horizontal) or blue
// (vertical) while the slider has the focus. A horizontal slider has its minimum at the left, a
// vertical one at the top (the pages that count levels downwards show the negated position).
//
// Keys move the thumb the way they point: Left/Up one step towards the top or left end, Right/Down
// towards the other, except on a horizontal slider, where Up and Page Up go right (towards the
// maximum) as on the main fader; Page Up/Page Down one page, Home the minimum, End the maximum.
// Mouse: drag the thumb, or press the channel to page towards the pointer (held, it keeps paging
// until the thumb reaches the pointer). With a page step of 0, page keys and channel presses do not
// move the slider.
//
// Three signals keep the display and the engine apart. positionDisplayed follows every change of
// the position, whoever made it; positionTracked only the changes the user made. positionWritten
// asks for the value to be written: for every change while the left mouse button or an arrow key is
// held (so the unit follows a drag or a held key step by step), and otherwise only for changes by
// page, to either end, or at the end of a track. A position set by the program never writes unless
// it asks for it (SetPosition with write). Pages with a rule of their own follow positionTracked
// and trackEnded (the user let go after moving the slider).
#pragma once

#include <QAbstractSlider>
#include <QColor>
#include <QTimer>
#include <optional>

class QPainter;

namespace kvt::laptop {

class CTrackbar : public QAbstractSlider {
    Q_OBJECT

  public:
    explicit CTrackbar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Where the gradient of the thumb starts while the slider is enabled.
    void SetThumbColour(const QColor& colour);
    QColor ThumbColour() const { return thumbColour_; }
    // Ticks on both sides every `interval` positions from the minimum; 0: none.
    void SetTickInterval(int interval);
    int TickInterval() const { return tickInterval_; }
    // A triangle on both sides at a nominal position, in place of its tick; none without one.
    void SetMark(std::optional<int> position);
    std::optional<int> Mark() const { return mark_; }
    // The breadth of the thumb across the slider (8 to 21) the size hint leaves room for, with the
    // ticks on both sides. The thumb itself fills what the layout gives it within those bounds.
    void SetThumbBreadth(int breadth);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The thumb and the channel in widget coordinates, as they are drawn and hit.
    QRect ThumbRect() const;
    QRect ChannelRect() const;
    // The coordinate along the slider (x when horizontal, y when vertical) of a position's centre.
    int PositionOffset(int position) const;

  public slots:
    // Moves the slider to position (clamped to the range). With write, the position is written as
    // for a move to either end, even when it stays the same; without, nothing is written.
    void SetPosition(int position, bool write = false);

  signals:
    void positionDisplayed(int position);
    void positionTracked(int position);
    void positionWritten(int position);
    // The user let go (key released, mouse released, wheel turned, focus or enabled state lost)
    // after moving the slider; after the track's last positionWritten.
    void trackEnded(int position);

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

    bool Horizontal() const { return orientation() == Qt::Horizontal; }
    void Move(int position, Track track);
    void EndTrack();
    void Write();
    bool HoldingInput() const { return leftButtonDown_ || heldArrows_ != 0; }
    int Along(QPointF point) const;
    int PositionAt(int offset) const;
    int AlongLength() const;
    int AcrossLength() const;
    // A point and a rectangle given along/across the slider, in widget coordinates.
    QPoint Point(int along, int across) const;
    QRect Oriented(int along, int across, int alongLength, int acrossLength) const;
    void PageTowardsPointer();
    void StopPaging();

    // The tick rows: the two lines along the slider where ticks start (inner) and end (outer).
    struct TickRows {
        int beforeOuter, beforeInner, afterInner, afterOuter;
    };
    TickRows Ticks() const;
    int ThumbBreadth() const;
    void DrawTicks(QPainter& painter) const;
    void DrawMark(QPainter& painter) const;
    void DrawChannel(QPainter& painter) const;
    void DrawThumb(QPainter& painter) const;

    QColor thumbColour_;
    int tickInterval_ = 0;
    std::optional<int> mark_;
    int hintBreadth_ = 0;  // across the slider, in the size hint
    bool leftButtonDown_ = false;
    unsigned heldArrows_ = 0;  // one bit per arrow key currently held
    bool dragging_ = false;
    int dragOffset_ = 0;       // pointer minus the thumb's centre along the slider at the press
    int pagePointer_ = 0;      // where the pointer pressed (or now is) while paging
    int pageDirection_ = 0;    // -1 or +1 while the channel is held, else 0
    int wheelRemainder_ = 0;   // wheel angle not yet worth a step (fine-grained wheels)
    bool trackMoved_ = false;  // the current track changed the position
    std::optional<int> lastWritten_;
    QTimer pageRepeat_;
};

}  // namespace kvt::laptop
