// CPanelEqualizer: the equaliser of one output channel on a small screen. The analyser window on
// top, the channel buttons ("L" ... "BR", one of them down), and five sliders that show a window
// onto the channel's 29 entries (bass, the 27 third-octave bands from 40 Hz to 16 kHz, treble),
// moved one entry at a time with "<" and ">". The subwoofer shows its parametric band instead:
// "Level", " Q" and "Freq".
#pragma once

#include <QPushButton>
#include <array>

#include "CPanel.h"

namespace kvt::handheld {

class CHandheldRTA;
class PanelSlider;

class CPanelEqualizer : public CPanel {
    Q_OBJECT

  public:
    static constexpr int kSliders = 5;
    static constexpr int kEntries = 29;  // bass, bands 0 to 26, treble
    static constexpr int kLastFirstEntry = kEntries - kSliders;
    static constexpr int kSubwooferChannel = 4;

    CPanelEqualizer(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                    QWidget* parent = nullptr);

    static QString EntryLabel(int entry);

    CHandheldRTA* Analyser() const { return analyser_; }
    PanelSlider* Slider(int index) const { return sliders_[index]; }
    QPushButton* ChannelButton(int channel) const { return channels_[channel]; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* ForwardButton() const { return forward_; }
    int FirstEntry() const { return first_; }
    int Channel() const { return channel_; }

    void SelectChannel(int channel);
    void MoveBack();
    void MoveForward();
    void Refresh() override;

  private:
    void Layout();
    void Write(int index, int position);
    double ReadEntry(int entry) const;

    CHandheldRTA* analyser_ = nullptr;
    std::array<QPushButton*, 8> channels_{};
    std::array<PanelSlider*, kSliders> sliders_{};
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    int first_ = 0;
    int channel_ = 0;
};

}  // namespace kvt::handheld
