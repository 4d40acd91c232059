#include "CPanelProfile.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "EngineValues.h"

namespace kvt::handheld {

namespace {

struct ProfileLine {
    int id;
    const char* label;
    int32_t (IKVT80::*get)(Variant*);
    int32_t (IKVT80::*put)(const Variant&);
    int limit;
};

const std::array<ProfileLine, CPanelProfile::kLines> kLineFields{{
    {1364, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Digital Player 1"),
     &IKVT80::get_DigitalPlayer1, &IKVT80::put_DigitalPlayer1, 15},
    {1365, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Digital Player 2"),
     &IKVT80::get_DigitalPlayer2, &IKVT80::put_DigitalPlayer2, 15},
    {1366, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Project Name"),
     &IKVT80::get_ProjectName, &IKVT80::put_ProjectName, 31},
    {1367, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Theater Name"),
     &IKVT80::get_TheaterName, &IKVT80::put_TheaterName, 31},
    {1368, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Screen Number"),
     &IKVT80::get_ScreenNumber, &IKVT80::put_ScreenNumber, 3},
    {1369, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Projector Model Number"),
     &IKVT80::get_ProjectorModel, &IKVT80::put_ProjectorModel, 31},
    {1370, QT_TRANSLATE_NOOP("kvt::handheld::CPanelProfile", "Automation System"),
     &IKVT80::get_AutomationSystem, &IKVT80::put_AutomationSystem, 31},
}};
constexpr int kCommentsId = 1394;

// The unit and the files keep Windows line breaks in the comments.
QString ToStored(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString FromStored(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

CPanelProfile::CPanelProfile(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("ProfilePanel"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    for (int index = 0; index < kLines; ++index) {
        const ProfileLine& field = kLineFields[index];
        auto* label = new QLabel(tr(field.label), content);
        auto* line = new QLineEdit(content);
        line->setObjectName(QString::number(field.id));
        line->setAccessibleName(label->text());
        line->setMaxLength(field.limit);
        line->setMinimumHeight(26);
        label->setBuddy(line);
        connect(line, &QLineEdit::editingFinished, this, [this, index] { WriteLine(index); });
        lines_[index] = line;
        layout->addWidget(label);
        layout->addWidget(line);
    }
    auto* label = new QLabel(tr("Comments"), content);
    comments_ = new QPlainTextEdit(content);
    comments_->setObjectName(QString::number(kCommentsId));
    comments_->setAccessibleName(label->text());
    comments_->setTabChangesFocus(true);
    comments_->setMinimumHeight(comments_->fontMetrics().lineSpacing() * 3 + 8);
    comments_->installEventFilter(this);
    connect(comments_, &QPlainTextEdit::textChanged, this, &CPanelProfile::LimitComments);
    layout->addWidget(label);
    layout->addWidget(comments_);
    layout->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll);
}

void CPanelProfile::Refresh() {
    for (int index = 0; index < kLines; ++index) {
        lines_[index]->setText(frontend::ReadText(engine_, kLineFields[index].get));
    }
    const QSignalBlocker blocker(comments_);
    comments_->setPlainText(FromStored(frontend::ReadText(engine_, &IKVT80::get_Comments)));
}

void CPanelProfile::Commit() {
    for (int index = 0; index < kLines; ++index) {
        WriteLine(index);
    }
    WriteComments();
}

void CPanelProfile::WriteLine(int index) {
    const QString text = lines_[index]->text();
    if (text != frontend::ReadText(engine_, kLineFields[index].get)) {
        (engine_.*kLineFields[index].put)(frontend::TextVariant(text));
    }
}

void CPanelProfile::WriteComments() {
    const QString text = ToStored(comments_->toPlainText());
    if (text != frontend::ReadText(engine_, &IKVT80::get_Comments)) {
        engine_.put_Comments(frontend::TextVariant(text));
    }
}

// Typing beyond the field's room is cut off at the end.
void CPanelProfile::LimitComments() {
    const QString text = comments_->toPlainText();
    QString kept = text;
    while (ToStored(kept).size() > kCommentsLimit) {
        kept.chop(1);
    }
    if (kept != text) {
        const QSignalBlocker blocker(comments_);
        comments_->setPlainText(kept);
        comments_->moveCursor(QTextCursor::End);
    }
}

bool CPanelProfile::eventFilter(QObject* watched, QEvent* event) {
    if (watched == comments_ && event->type() == QEvent::FocusOut) {
        WriteComments();
    }
    return CPanel::eventFilter(watched, event);
}

}  // namespace kvt::handheld
