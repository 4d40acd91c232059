// CDlgCopyEQ: the frame's "Copy EQ Settings" dialog. "Copy From" picks the channel whose bass,
// treble and 27 bands are copied, "Copy To" the channels that receive them; "Copy >>" closes the
// dialog with the choice, which Apply hands to the engine's CopyEQ.
//
// The subwoofer has no bands of its own on the Equalizer page (its parametric band takes their
// place), so it is in neither list. The last two channels are named by the unit's channel
// configuration. Opened for the subwoofer, the dialog has no source chosen, and "Copy >>" waits
// until one is.
#pragma once

#include <QDialog>
#include <array>

#include "IKVT80.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace kvt::laptop {

class CDlgCopyEQ : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kChannels = 8;
    static constexpr int kSubwoofer = 4;

    // The engine is read for the channel names (InputConfig); sourceChannel starts checked.
    CDlgCopyEQ(IKVT80& engine, int sourceChannel, QWidget* parent = nullptr);

    // The choice, valid after OK: the source channel (-1 while none is chosen) and, per channel
    // index, whether it receives the copy.
    int SourceChannel() const;
    std::array<bool, kChannels> Destinations() const;

    // CopyEQ(source, destinations) on the engine, the destinations as an array of eight booleans.
    int32_t Apply(IKVT80& engine) const;
    static Variant DestinationArray(const std::array<bool, kChannels>& destinations);

  private:
    void UpdateCopyButton();

    std::array<QRadioButton*, kChannels> sources_{};
    std::array<QCheckBox*, kChannels> destinations_{};
    QPushButton* copy_ = nullptr;
};

}  // namespace kvt::laptop
