// CPanelProfile: the theatre's profile as the unit and the configuration file keep it: the two
// digital players, project and theatre names, screen number, projector model, automation system
// and the comments. A text goes to the engine when the user leaves its field.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "CPanel.h"

namespace kvt::handheld {

class CPanelProfile : public CPanel {
    Q_OBJECT

  public:
    static constexpr int kLines = 7;
    static constexpr int kCommentsLimit = 126;  // UTF-16 units, a line break counting two

    CPanelProfile(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    QLineEdit* Line(int index) const { return lines_[index]; }
    QPlainTextEdit* Comments() const { return comments_; }

    void Refresh() override;
    // Writes every field to the engine (also done as the user leaves a field).
    void Commit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void WriteLine(int index);
    void WriteComments();
    void LimitComments();

    std::array<QLineEdit*, kLines> lines_{};
    QPlainTextEdit* comments_ = nullptr;
};

}  // namespace kvt::handheld
