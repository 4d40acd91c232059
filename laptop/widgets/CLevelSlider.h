// CLevelSlider: a custom-drawn slider of a page: a channel's room level, a format's preset level,
// a projector delay.
//
// It counts in positions as the unit's pages do: the smallest position is at the top of a
// vertical slider (the largest level, since the pages show the level as the negated position) and
// at the left of a horizontal one. Keys: Up/Left one position down, Down/Right one up, PageUp and
// PageDown a page, Home the smallest and End the largest position. Mouse: drag the thumb, or press
// the channel to page towards the pointer (held, it keeps paging until the thumb reaches it).
//
// It writes by the main fader's rule: positionWritten follows every change while the left mouse
// button or an arrow key is held, and otherwise only changes by page, to either end, or at the
// end of a track. A position set by the program (SetPosition) is only displayed. Pages with a rule
// of their own follow userMoved (every change the user makes) and trackEnded (the user let go).
#pragma once

#include <QAbstractSlider>
#include <QColor>
#include <QTimer>
#include <optional>

class QPainter;

namespace kvt::laptop {

class CLevelSlider : public QAbstractSlider {
    Q_OBJECT

  public:
    CLevelSlider(Qt::Orientation orientation, int minimum, int maximum, QWidget* parent = nullptr);

    // Ticks every `interval` positions from the smallest (0: none).
    void SetTickInterval(int interval);
    int TickInterval() const { return tickInterval_; }
    // A mark at a nominal position: a triangle in each tick row.
    void SetMark(std::optional<int> position);
    std::optional<int> Mark() const { return mark_; }
    // The colour the thumb's gradient starts from; it runs to white across the thumb.
    void SetThumbColour(const QColor& colour);
    QColor ThumbColour() const { return thumbColour_; }

    int Position() const { return value(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The thumb and the channel in widget coordinates, as they are drawn and hit.
    QRect ThumbRect() const;
    QRect ChannelRect() const;
    // The point on the channel's centre line of a position.
    QPoint PositionPoint(int position) const;

  public slots:
    // Shows a position (clamped to the range) without writing it.
    void SetPosition(int position);

  signals:
    // Every change of the position, whoever made it.
    void positionDisplayed(int position);
    // Every change the user makes.
    void userMoved(int position);
    // A change to be written by the write rule above.
    void positionWritten(int position);
    // The user let go (key released, mouse released, wheel turned) after moving the slider.
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

    bool Vertical() const { return orientation() == Qt::Vertical; }
    // Along the channel (y of a vertical slider, x of a horizontal one) and across it.
    int Along(QPointF point) const;
    int Length() const;
    int Across() const;
    int PositionCoordinate(int position) const;
    int PositionAt(int coordinate) const;

    void Move(int position, Track track);
    void EndTrack();
    void Write();
    bool HoldingInput() const { return leftButtonDown_ || heldArrows_ != 0; }
    void PageTowardsPointer();
    void StopPaging();

    void DrawTicks(QPainter& painter) const;
    void DrawChannel(QPainter& painter) const;
    void DrawThumb(QPainter& painter) const;

    int tickInterval_ = 0;
    std::optional<int> mark_;
    QColor thumbColour_;

    bool leftButtonDown_ = false;
    unsigned heldArrows_ = 0;  // one bit per arrow key currently held
    bool dragging_ = false;
    int dragOffset_ = 0;       // pointer minus the thumb's centre at the press, along the channel
    int pagePointer_ = 0;      // where the pointer pressed (or now is) while paging
    int pageDirection_ = 0;    // -1 or +1 while the channel is held, else 0
    int wheelRemainder_ = 0;   // wheel angle not yet worth a step (fine-grained wheels)
    bool trackMoved_ = false;  // the current track changed the position
    std::optional<int> lastWritten_;
    QTimer pageRepeat_;
};

}  // namespace kvt::laptop
