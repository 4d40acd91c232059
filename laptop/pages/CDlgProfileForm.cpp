#include "CDlgProfileForm.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <array>

#include "EngineValues.h"
#include "Version.h"
#include "widgets/CSvgPicture.h"

namespace kvt::laptop {

using frontend::ReadText;
using frontend::TextVariant;

// One of the page's text fields and the engine property behind it.
struct ProfileTextField {
    int id;
    const char* label;
    int32_t (IKVT80::*get)(Variant*);
    int32_t (IKVT80::*put)(const Variant&);
    int limit;  // UTF-16 units, a line break counting two
    bool multiLine;
};

namespace {

constexpr int kSerialNumberId = 1363;

// In tab order: the theatre's information, then the serial number.
const std::array<ProfileTextField, 9> kTextFields{{
    {1364, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Digital Player 1:"),
     &IKVT80::get_DigitalPlayer1, &IKVT80::put_DigitalPlayer1, 15, false},
    {1365, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Digital Player 2:"),
     &IKVT80::get_DigitalPlayer2, &IKVT80::put_DigitalPlayer2, 15, false},
    {1366, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Theater Number:"),
     &IKVT80::get_ProjectName, &IKVT80::put_ProjectName, 31, false},
    {1367, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Theater Name:"),
     &IKVT80::get_TheaterName, &IKVT80::put_TheaterName, 31, false},
    {1368, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Screen Number:"),
     &IKVT80::get_ScreenNumber, &IKVT80::put_ScreenNumber, 3, false},
    {1369, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Projector Model Number:"),
     &IKVT80::get_ProjectorModel, &IKVT80::put_ProjectorModel, 31, false},
    {1370, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Automation System:"),
     &IKVT80::get_AutomationSystem, &IKVT80::put_AutomationSystem, 31, false},
    {1394, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "Comments:"), &IKVT80::get_Comments,
     &IKVT80::put_Comments, 126, true},
    {kSerialNumberId, QT_TRANSLATE_NOOP("kvt::laptop::CDlgProfileForm", "KVT Serial Number:"),
     &IKVT80::get_SerialNumber, &IKVT80::put_SerialNumber, 15, false},
}};

// The comments keep Windows line breaks, as the unit and older configuration files hold them;
// the editor works with plain newlines.
QString CommentsShown(QString held) {
    held.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    held.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return held;
}

QString CommentsHeld(QString shown) {
    return shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

int HeldLength(const QString& shown) {
    return static_cast<int>(shown.size() + shown.count(QLatin1Char('\n')));
}

// A label's text without its colon, for the control it names.
QString AccessibleLabel(QString label) {
    label = label.trimmed();
    while (label.endsWith(QLatin1Char(':')) || label.endsWith(QChar(0xFF1A))) {
        label.chop(1);
    }
    return label.trimmed();
}

// A component's versions: the two processors' texts and, in brackets, its controller's.
QString ComponentLine(const QString& first, const QString& second, const QString& controller) {
    return first + QStringLiteral("   ") + second + QStringLiteral("   [") + controller +
           QLatin1Char(']');
}

}  // namespace

CDlgProfileForm::CDlgProfileForm(IKVT80& engine, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    BuildLayout();
    SetDiagnosticsUnlocked(false);
    Refresh();
}

void CDlgProfileForm::BuildLayout() {
    auto* theater = new QGroupBox(tr("Theater Information"), this);
    theater->setObjectName(QStringLiteral("theaterInformation"));
    auto* theaterFields = new QFormLayout(theater);
    theaterFields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto* component = new QGroupBox(tr("Component Information"), this);
    component->setObjectName(QStringLiteral("componentInformation"));
    auto* componentFields = new QFormLayout(component);
    componentFields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    editors_.reserve(kTextFields.size());
    for (const ProfileTextField& field : kTextFields) {
        QWidget* editor = CreateEditor(field);
        auto* label = new QLabel(tr(field.label), this);
        label->setBuddy(editor);
        QFormLayout* form = field.id == kSerialNumberId ? componentFields : theaterFields;
        form->addRow(label, editor);
    }

    picVersion_ = CreateVersionLine(1371);
    matrixVersion_ = CreateVersionLine(1372);
    nrVersion_ = CreateVersionLine(1373);
    eqVersion_ = CreateVersionLine(1374);
    execVersion_ = CreateVersionLine(1375);
    const std::array<std::pair<QLabel*, const char*>, 5> versionRows{{
        {picVersion_, QT_TR_NOOP("PIC Firmware Version:")},
        {matrixVersion_, QT_TR_NOOP("Matrix Firmware Version:")},
        {nrVersion_, QT_TR_NOOP("NR Firmware Version:")},
        {eqVersion_, QT_TR_NOOP("EQ Firmware Version:")},
        {execVersion_, QT_TR_NOOP("KVT Exec Version:")},
    }};
    for (const auto& [value, label] : versionRows) {
        const QString text = tr(label);
        value->setAccessibleName(AccessibleLabel(text));
        componentFields->addRow(text, value);
    }

    picture_ = new CSvgPicture(QString::fromLatin1(kProfilePicture), this);
    picture_->setObjectName(QStringLiteral("1396"));
    picture_->setAccessibleName(tr("KVT-80"));

    auto* right = new QVBoxLayout;
    right->addWidget(component);
    right->addWidget(picture_, 1);

    auto* page = new QHBoxLayout(this);
    page->addWidget(theater, 1);
    page->addLayout(right, 1);
}

QWidget* CDlgProfileForm::CreateEditor(const ProfileTextField& field) {
    Editor editor{&field};
    QWidget* widget = nullptr;
    if (field.multiLine) {
        editor.text = new QPlainTextEdit(this);
        editor.text->setTabChangesFocus(true);
        editor.text->setMinimumHeight(editor.text->fontMetrics().lineSpacing() * 2 + 8);
        QPlainTextEdit* text = editor.text;
        connect(text, &QPlainTextEdit::textChanged, this,
                [this, text, limit = field.limit] { LimitComments(text, limit); });
        widget = editor.text;
    } else {
        editor.line = new QLineEdit(this);
        editor.line->setMaxLength(field.limit);
        widget = editor.line;
    }
    if (field.id == kSerialNumberId) {
        serialNumber_ = editor.line;
    }
    widget->setObjectName(QString::number(field.id));
    widget->setAccessibleName(AccessibleLabel(tr(field.label)));
    widget->installEventFilter(this);
    editors_.push_back(editor);
    return widget;
}

QLabel* CDlgProfileForm::CreateVersionLine(int id) {
    auto* value = new QLabel(this);
    value->setObjectName(QString::number(id));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long version text may be cut at the page's edge, never widen the page.
    value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return value;
}

void CDlgProfileForm::Refresh() {
    for (const Editor& editor : editors_) {
        Show(editor, ReadText(engine_, editor.field->get));
    }
    RefreshVersions();
}

void CDlgProfileForm::RefreshVersions() {
    const QString processorController = ReadText(engine_, &IKVT80::get_ProcessorPICVersion);
    const QString outputController = ReadText(engine_, &IKVT80::get_OutputPICVersion);
    Variant nr1;
    Variant nr2;
    engine_.NRVersions(&nr1, &nr2);
    Variant eq1;
    Variant eq2;
    engine_.EQVersions(&eq1, &eq2);
    const QString eqFirst = frontend::ToQString(eq1.StringValue());

    picVersion_->setText(ReadText(engine_, &IKVT80::get_PICVersion));
    matrixVersion_->setText(ReadText(engine_, &IKVT80::get_MatrixVersion));
    nrVersion_->setText(processorController.isEmpty()
                            ? QString()
                            : ComponentLine(frontend::ToQString(nr1.StringValue()),
                                            frontend::ToQString(nr2.StringValue()),
                                            processorController));
    eqVersion_->setText(
        eqFirst.isEmpty()
            ? QString()
            : ComponentLine(eqFirst, frontend::ToQString(eq2.StringValue()), outputController));
    execVersion_->setText(frontend::VersionText());
    for (QLabel* line : {picVersion_, matrixVersion_, nrVersion_, eqVersion_, execVersion_}) {
        line->setToolTip(line->text());
    }
}

void CDlgProfileForm::SetDiagnosticsUnlocked(bool unlocked) {
    serialNumber_->setReadOnly(!unlocked);
    // A locked field looks like one that cannot be typed in.
    QPalette colours = palette();
    if (!unlocked) {
        colours.setBrush(QPalette::Base, colours.window());
    }
    serialNumber_->setPalette(colours);
}

void CDlgProfileForm::CommitEdits() {
    for (const Editor& editor : editors_) {
        Commit(editor);
    }
}

bool CDlgProfileForm::eventFilter(QObject* watched, QEvent* event) {
    // A context menu takes the focus for a moment; the edit is not over.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        for (const Editor& editor : editors_) {
            if (watched == editor.line || watched == editor.text) {
                Commit(editor);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString CDlgProfileForm::ShownText(const Editor& editor) const {
    return editor.line != nullptr ? editor.line->text() : editor.text->toPlainText();
}

void CDlgProfileForm::Show(const Editor& editor, const QString& held) {
    if (editor.line != nullptr) {
        if (editor.line->text() != held) {
            editor.line->setText(held);
        }
        return;
    }
    const QString shown = CommentsShown(held);
    if (editor.text->toPlainText() != shown) {
        editor.text->setPlainText(shown);
    }
}

void CDlgProfileForm::Commit(const Editor& editor) {
    const ProfileTextField& field = *editor.field;
    const QString held = ReadText(engine_, field.get);
    const QString shown = ShownText(editor);
    if (shown == (field.multiLine ? CommentsShown(held) : held)) {
        return;
    }
    const QString text = field.multiLine ? CommentsHeld(shown) : shown;
    if ((engine_.*field.put)(TextVariant(text)) != status::Ok) {
        // Refused: show what the engine still holds rather than what it does not.
        Show(editor, held);
    }
}

// The comments' limit counts a line break as two units, as the engine stores it. What does not
// fit is taken from the text just typed or pasted, which ends at the cursor, and only when that is
// not enough (text put in front of the cursor) from the end.
void CDlgProfileForm::LimitComments(QPlainTextEdit* edit, int limit) {
    const QString text = edit->toPlainText();
    int excess = HeldLength(text) - limit;
    if (excess <= 0) {
        return;
    }
    const auto units = [&text](int i) { return text.at(i) == QLatin1Char('\n') ? 2 : 1; };
    const auto keepPairs = [&text](int start, int floor) {
        const bool splitsPair =
            start > floor && start < text.size() && text.at(start).isLowSurrogate();
        return splitsPair ? start - 1 : start;
    };

    const int typedEnd = edit->textCursor().position();
    int typedStart = typedEnd;
    while (typedStart > 0 && excess > 0) {
        excess -= units(--typedStart);
    }
    typedStart = keepPairs(typedStart, 0);
    int tailStart = static_cast<int>(text.size());
    while (tailStart > typedEnd && excess > 0) {
        excess -= units(--tailStart);
    }
    tailStart = keepPairs(tailStart, typedEnd);

    QTextCursor cursor(edit->document());
    cursor.beginEditBlock();
    if (tailStart < text.size()) {
        cursor.setPosition(tailStart);
        cursor.setPosition(static_cast<int>(text.size()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.setPosition(typedStart);
    cursor.setPosition(typedEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    edit->setTextCursor(cursor);
}

}  // namespace kvt::laptop
