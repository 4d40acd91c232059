// CMainFader: the main fader on the frame's toolbar (0 to 100, the unit's FaderLevel).
//
// A horizontal CTrackbar in the program's own colours: ticks every 10 above and below the channel,
// a mark at the nominal level 70, a red thumb, and a white channel while it has the focus. Keys:
// Left/Down one step down, Right/Up one step up, PageDown/PageUp ten down or up, Home 0, End 100.
// Mouse: drag the thumb, or press the channel to page towards the pointer.
//
// levelDisplayed follows every change of the position, whoever made it; levelWritten asks for
// FaderLevel to be written, by the trackbar's rule (every step while the mouse button or an arrow
// key is held, otherwise by page, to either end, or at the end of a track).
#pragma once

#include "CTrackbar.h"

namespace kvt::laptop {

class CMainFader : public CTrackbar {
    Q_OBJECT

  public:
    static constexpr int kMinimumLevel = 0;
    static constexpr int kMaximumLevel = 100;
    static constexpr int kNominalLevel = 70;
    static constexpr int kTickInterval = 10;
    static constexpr int kPageStep = 10;

    explicit CMainFader(QWidget* parent = nullptr);

    int Level() const { return value(); }

    // The x coordinate of a position's centre line.
    int PositionX(int position) const { return PositionOffset(position); }

  public slots:
    // Moves the fader to level (clamped to 0..100). With write, FaderLevel is written as for a
    // move to either end, even when the position stays the same; without, nothing is written.
    void SetLevel(int level, bool write) { SetPosition(level, write); }

  signals:
    void levelDisplayed(int level);
    void levelWritten(int level);
};

}  // namespace kvt::laptop
