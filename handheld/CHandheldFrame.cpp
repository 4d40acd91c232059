#include "CHandheldFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "dialogs/CDlgConfigPreview.h"
#include "dialogs/CDlgConnectionStatus.h"
#include "dialogs/CDlgHandheld.h"
#include "dialogs/CDlgHeadroomAdjust.h"
#include "dialogs/CDlgInputConfiguration.h"
#include "dialogs/CDlgSaveMMCStatus.h"
#include "dialogs/CDlgSaveStatus.h"
#include "dialogs/CDlgUploadStatus.h"
#include "panels/CPanelEqualizer.h"
#include "panels/CPanelFormatSetup.h"
#include "panels/CPanelMatrix.h"
#include "panels/CPanelOptical.h"
#include "panels/CPanelOutputs.h"
#include "panels/CPanelProfile.h"

namespace kvt::handheld {

using frontend::StatusDialog;

namespace {

constexpr std::array<const char*, CHandheldFrame::kPanelCount> kPanelNames{
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Profile"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Optical"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Matrix"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Equalizer"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Format Setup"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Outputs"),
};

constexpr std::array<const char*, CHandheldFrame::kFormatCommands> kFormatNames{
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Mono"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Stereo"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "For SR"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Ext 1 (Analog)"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Ext 2 (Digital)"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Non-Sync"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Aux"),
    QT_TRANSLATE_NOOP("kvt::handheld::CHandheldFrame", "Mic"),
};

// The disconnect prompt: Yes, No (nothing happens) or Do Not Save, and whether the settings go to
// the personality module as well.
class DisconnectPrompt : public QDialog {
  public:
    explicit DisconnectPrompt(QWidget* parent) : QDialog(parent) {
        setWindowTitle(CHandheldFrame::tr("Disconnect"));
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(CHandheldFrame::tr("Disconnect and save changes to the KVT-80?"));
        text->setWordWrap(true);
        layout->addWidget(text);
        saveToModule_ = new QCheckBox(CHandheldFrame::tr("Save to Personality Module"));
        saveToModule_->setObjectName(QStringLiteral("1539"));
        saveToModule_->setChecked(true);
        layout->addWidget(saveToModule_);
        auto* buttons = new QHBoxLayout;
        const auto add = [&](const QString& label, int id, frontend::DisconnectAnswer answer) {
            auto* button = new QPushButton(label);
            button->setObjectName(QString::number(id));
            button->setMinimumHeight(32);
            connect(button, &QPushButton::clicked, this, [this, answer] {
                answer_ = answer;
                accept();
            });
            buttons->addWidget(button);
            return button;
        };
        add(CHandheldFrame::tr("Yes"), 1, frontend::DisconnectAnswer::Yes)->setDefault(true);
        add(CHandheldFrame::tr("No"), 2, frontend::DisconnectAnswer::Cancel);
        add(CHandheldFrame::tr("Do Not Save"), 1541, frontend::DisconnectAnswer::DoNotSave);
        layout->addLayout(buttons);
    }

    frontend::DisconnectChoice Choice() const { return {answer_, saveToModule_->isChecked()}; }

  private:
    QCheckBox* saveToModule_ = nullptr;
    frontend::DisconnectAnswer answer_ = frontend::DisconnectAnswer::Cancel;
};

}  // namespace

CHandheldFrame::CHandheldFrame(IKVT80& engine, int languageCode, QWidget* parent)
    : CFlowFrame(parent),
      engine_(engine),
      bridge_(std::make_unique<frontend::EngineBridge>(engine)),
      languageCode_(languageCode) {
    setObjectName(QStringLiteral("CHandheldFrame"));
    flows_ = new frontend::ConnectionFlows(engine_, *bridge_, *this, this);
    connect(flows_, &frontend::ConnectionFlows::flowFinished, this, &CHandheldFrame::UpdateMenus);
    CreateMenus();
    CreatePanels();
    ShowConnectionState(frontend::IsConnected(engine_));
    ShowPanel(kOpticalPanel);
}

CHandheldFrame::~CHandheldFrame() = default;

QString CHandheldFrame::PanelName(Panel panel) {
    return tr(kPanelNames[panel]);
}

QAction* CHandheldFrame::Action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* CHandheldFrame::AddCommand(QMenu* menu, int command, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::number(command));
    actions_[command] = action;
    return action;
}

void CHandheldFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    AddCommand(file, kNew, tr("New"));
    AddCommand(file, kOpen, tr("Open"));
    AddCommand(file, kSave, tr("Save"));
    AddCommand(file, kSaveAs, tr("Save As..."));
    AddCommand(file, kSavePersonalityModule, tr("Save to Personality Module"));
    file->addSeparator();
    AddCommand(file, kCopyEQ, tr("Copy EQ Settings..."));
    AddCommand(file, kHeadroomConfiguration, tr("Headroom Configuration..."));
    AddCommand(file, kInputConfiguration, tr("Input Configuration..."));
    AddCommand(file, kDigitalDelays, tr("Digital Delays..."));
    file->addSeparator();
    AddCommand(file, kAbout, tr("About..."));

    QMenu* comm = menuBar()->addMenu(tr("Comm"));
    AddCommand(comm, kCommunicationSettings, tr("Communication Settings..."));
    AddCommand(comm, kConnect, tr("Connect"));
    AddCommand(comm, kDisconnect, tr("Disconnect"));

    QMenu* format = menuBar()->addMenu(tr("Format"));
    for (int i = 0; i < kFormatCommands; ++i) {
        QAction* item = AddCommand(format, kFormatMono + i, tr(kFormatNames[i]));
        connect(item, &QAction::triggered, this, [this, i] { SelectFormat(i); });
    }

    QMenu* panel = menuBar()->addMenu(tr("Panel"));
    for (int i = 0; i < kPanelCount; ++i) {
        QAction* item = AddCommand(panel, kFirstPanelCommand + i, PanelName(Panel(i)));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { ShowPanel(Panel(i)); });
    }
    for (QMenu* menu : {file, comm, format, panel}) {
        connect(menu, &QMenu::aboutToShow, this, &CHandheldFrame::UpdateMenus);
    }

    // An edit still open in the Profile panel reaches the engine before a flow stores or sends.
    const auto flow = [this](int command, bool (frontend::ConnectionFlows::*start)()) {
        connect(Action(command), &QAction::triggered, this, [this, start] {
            CommitEdits();
            (flows_->*start)();
        });
    };
    flow(kNew, &frontend::ConnectionFlows::New);
    flow(kOpen, &frontend::ConnectionFlows::Open);
    flow(kSave, &frontend::ConnectionFlows::Save);
    flow(kSaveAs, &frontend::ConnectionFlows::SaveAs);
    flow(kSavePersonalityModule, &frontend::ConnectionFlows::SavePersonalityModule);
    flow(kConnect, &frontend::ConnectionFlows::Connect);
    flow(kDisconnect, &frontend::ConnectionFlows::Disconnect);
    connect(Action(kHeadroomConfiguration), &QAction::triggered, this,
            &CHandheldFrame::ShowHeadroomConfiguration);
    connect(Action(kInputConfiguration), &QAction::triggered, this,
            &CHandheldFrame::ShowInputConfiguration);
    connect(Action(kCopyEQ), &QAction::triggered, this, &CHandheldFrame::ShowCopyEQ);
    connect(Action(kDigitalDelays), &QAction::triggered, this, &CHandheldFrame::ShowDigitalDelays);
    connect(Action(kAbout), &QAction::triggered, this, &CHandheldFrame::ShowAbout);
    connect(Action(kCommunicationSettings), &QAction::triggered, this,
            &CHandheldFrame::ShowCommunicationSettings);
}

void CHandheldFrame::CreatePanels() {
    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    panels_[kProfilePanel] = new CPanelProfile(engine_, *bridge_);
    panels_[kOpticalPanel] = new CPanelOptical(engine_, *bridge_, languageCode_);
    panels_[kMatrixPanel] = new CPanelMatrix(engine_, *bridge_, languageCode_);
    panels_[kEqualizerPanel] = new CPanelEqualizer(engine_, *bridge_, languageCode_);
    auto* formatSetup = new CPanelFormatSetup(engine_, *bridge_);
    connect(formatSetup, &CPanelFormatSetup::digitalDelaysRequested, this,
            &CHandheldFrame::ShowDigitalDelays);
    panels_[kFormatSetupPanel] = formatSetup;
    panels_[kOutputsPanel] = new CPanelOutputs(engine_, *bridge_);
    for (CPanel* panel : panels_) {
        if (panel != nullptr) {
            stack_->addWidget(panel);
            connect(this, &CHandheldFrame::refreshRequested, panel, &CPanel::Refresh);
        }
    }
}

void CHandheldFrame::ShowPanel(Panel panel) {
    if (panels_[panel] == nullptr) {
        return;
    }
    current_ = panel;
    stack_->setCurrentWidget(panels_[panel]);
    UpdateTitle();
    UpdateMenus();
}

void CHandheldFrame::CommitEdits() {
    if (auto* profile = static_cast<CPanelProfile*>(panels_[kProfilePanel])) {
        profile->Commit();
    }
}

void CHandheldFrame::UpdateTitle() {
    setWindowTitle(QStringLiteral("KVT80 - ") + PanelName(current_));
}

void CHandheldFrame::UpdateMenus() {
    const bool connected = frontend::IsConnected(engine_);
    const bool busy = flows_->Busy();
    Action(kCommunicationSettings)->setEnabled(!connected && !busy);
    Action(kConnect)->setEnabled(!connected && !busy);
    Action(kDisconnect)->setEnabled(connected && !busy);
    Action(kSavePersonalityModule)->setEnabled(connected && !busy);
    for (int command : {kNew, kOpen, kSave, kSaveAs}) {
        Action(command)->setEnabled(!busy);
    }
    for (int i = 0; i < kFormatCommands; ++i) {
        Action(kFormatMono + i)->setEnabled(connected);
    }
    for (int i = 0; i < kPanelCount; ++i) {
        QAction* item = Action(kFirstPanelCommand + i);
        item->setEnabled(panels_[i] != nullptr);
        item->setChecked(i == current_);
    }
}

void CHandheldFrame::SelectFormat(int index) {
    // The menu's formats are the unit's format buttons in their order.
    int32_t format = 0;
    if (engine_.get_ButtonFormat(Variant::Int(index), &format) != status::Ok) {
        return;
    }
    engine_.put_Mode(Variant::Int(format));
    emit refreshRequested();
}

int CHandheldFrame::Run(QDialog& dialog) {
    FitToSmallScreen(&dialog, this);
    if (dialogShown_) {
        dialogShown_(dialog);
    }
    return dialog.exec();
}

void CHandheldFrame::ShowHeadroomConfiguration() {
    laptop::CDlgHeadroomAdjust dialog(engine_, this);
    Run(dialog);
}

void CHandheldFrame::ShowInputConfiguration() {
    laptop::CDlgInputConfiguration dialog(engine_, this);
    connect(&dialog, &laptop::CDlgInputConfiguration::channelConfigChanged, this,
            &CHandheldFrame::refreshRequested);
    Run(dialog);
}

void CHandheldFrame::ShowAbout() {
    CDlgAbout dialog(this);
    Run(dialog);
}

void CHandheldFrame::ShowCommunicationSettings() {
    CDlgCommSettings dialog(engine_, this);
    Run(dialog);
}

void CHandheldFrame::ShowCopyEQ() {
    CommitEdits();
    const auto* equalizer = static_cast<CPanelEqualizer*>(panels_[kEqualizerPanel]);
    CDlgCopyEQ dialog(equalizer != nullptr ? equalizer->Channel() : 0, this);
    if (Run(dialog) != QDialog::Accepted) {
        return;
    }
    // The dialog only closes with a source, so the engine takes the copy.
    dialog.Apply(engine_);
    emit refreshRequested();
}

void CHandheldFrame::ShowDigitalDelays() {
    CDlgDigitalDelays dialog(engine_, this);
    if (Run(dialog) == QDialog::Accepted) {
        emit refreshRequested();
    }
}

void CHandheldFrame::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    event->ignore();
    CommitEdits();
    if (AskExit()) {
        // The flows disconnect first when connected, offer to save a changed file, clean the
        // engine up and end the program.
        flows_->Close();
    }
}

bool CHandheldFrame::AskExit() {
    return answerAutomatically_ ||
           QMessageBox::question(this, Caption(), tr("Are you sure you want to exit?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// ---- FlowView ---------------------------------------------------------------------------------

frontend::DisconnectChoice CHandheldFrame::AskDisconnect() {
    if (answerAutomatically_) {
        return {frontend::DisconnectAnswer::Yes, false};
    }
    DisconnectPrompt prompt(this);
    prompt.exec();
    return prompt.Choice();
}

std::optional<QString> CHandheldFrame::AskSaveFileName(const QString& startFolder) {
    QFileDialog dialog(this, tr("Save As"), startFolder, tr("KVT Configuration Files (*.kvt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kvt"));
    if (Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CHandheldFrame::AskOpenFileName(const QString& startFolder) {
    laptop::CDlgConfigPreview dialog(engine_, startFolder, this);
    if (Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.SelectedFile();
}

// The handheld's message boxes carry this caption.
QString CHandheldFrame::Caption() const {
    return QStringLiteral("KVT-80");
}

void CHandheldFrame::ShowStatus(StatusDialog dialog, const QString& title) {
    laptop::CDlgProgressStatus* shown = statusDialogs_.Find(dialog);
    if (shown == nullptr) {
        switch (dialog) {
            case StatusDialog::Connection:
                shown = new laptop::CDlgConnectionStatus(this);
                break;
            case StatusDialog::Save:
                shown = new laptop::CDlgSaveStatus(this);
                break;
            case StatusDialog::Upload:
                shown = new laptop::CDlgUploadStatus(this);
                break;
            case StatusDialog::PersonalityModule:
                shown = new laptop::CDlgSaveMMCStatus(this);
                break;
        }
        shown->setAttribute(Qt::WA_DeleteOnClose);
        connect(shown, &laptop::CDlgProgressStatus::cancelledByUser, this,
                [this] { SetFrameEnabled(true); });
        statusDialogs_.Add(dialog, shown);
    }
    if (!title.isEmpty()) {
        shown->setWindowTitle(title);
    }
    SetFrameEnabled(false);
    // The small screen: the dialog keeps within the frame's size.
    FitToSmallScreen(shown, this);
    shown->show();
    shown->raise();
}

void CHandheldFrame::CloseStatus(StatusDialog dialog) {
    SetFrameEnabled(true);
    if (laptop::CDlgProgressStatus* shown = statusDialogs_.Take(dialog)) {
        shown->CloseQuietly();
    }
    // A transfer that ended frees the commands.
    UpdateMenus();
}

bool CHandheldFrame::StatusShown(StatusDialog dialog) const {
    return statusDialogs_.Find(dialog) != nullptr;
}

void CHandheldFrame::UpdateStatus(StatusDialog dialog, const QString& text, int position, int end) {
    if (laptop::CDlgProgressStatus* shown = statusDialogs_.Find(dialog)) {
        shown->SetProgress(text, position, end);
    }
}

void CHandheldFrame::SetFrameEnabled(bool enabled) {
    menuBar()->setEnabled(enabled);
    stack_->setEnabled(enabled);
}

void CHandheldFrame::ShowConnectionState(bool) {
    UpdateMenus();
}

void CHandheldFrame::RefreshAll() {
    emit refreshRequested();
    RefreshFrame();
}

void CHandheldFrame::RefreshFrame() {
    UpdateTitle();
    UpdateMenus();
}

void CHandheldFrame::DestroyAll() {
    destroying_ = true;
    statusDialogs_.CloseAllQuietly();
    close();
    QApplication::quit();
}

}  // namespace kvt::handheld
