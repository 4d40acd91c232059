#include "CDlgConfigPreview.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "DialogControls.h"
#include "EngineValues.h"

namespace kvt::laptop {

namespace {

// The file's fields are fixed width and padded with NULs; the text ends at the first one.
QString FieldText(const Variant& value) {
    const std::u16string& text = value.StringValue();
    return frontend::ToQString(text.substr(0, text.find(u'\0')));
}

}  // namespace

CDlgConfigPreview::CDlgConfigPreview(IKVT80& engine, const QString& startFolder, QWidget* parent)
    : QFileDialog(parent, tr("Open"), startFolder, tr("KVT Configuration Files (*.kvt)")),
      engine_(engine) {
    // Qt's own dialog, so that the pane can sit below the file list.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);

    QWidget* pane = CreatePreviewPane();
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(pane, grid->rowCount(), 0, 1, grid->columnCount());
    } else {
        layout()->addWidget(pane);
    }
    connect(this, &QFileDialog::currentChanged, this, &CDlgConfigPreview::ShowPreviewFor);
}

QWidget* CDlgConfigPreview::CreatePreviewPane() {
    auto* pane = new QWidget(this);
    auto* separator = new QFrame(pane);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    struct Field {
        QLineEdit** edit;
        int id;
        QString label;
    };
    auto* fields = new QFormLayout;
    for (const Field& field : {Field{&projectName_, 1366, tr("Project Name:")},
                               Field{&theaterName_, 1367, tr("Theater Name:")},
                               Field{&screenNumber_, 1368, tr("Screen Number:")}}) {
        auto* edit = new QLineEdit(pane);
        edit->setReadOnly(true);
        IdentifyControl(edit, field.id, field.label);
        fields->addRow(field.label, edit);
        *field.edit = edit;
    }

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(separator);
    layout->addLayout(fields);
    return pane;
}

std::optional<QString> CDlgConfigPreview::SelectedFile() const {
    const QStringList files = selectedFiles();
    if (result() != QDialog::Accepted || files.isEmpty()) {
        return std::nullopt;
    }
    return files.constFirst();
}

bool CDlgConfigPreview::IsConfigurationPath(const QString& path) {
    // Files copied from other systems often carry ".KVT"; the file list shows them too.
    return path.contains(QStringLiteral(".kvt"), Qt::CaseInsensitive);
}

std::optional<ConfigPreview> CDlgConfigPreview::ReadPreview(IKVT80& engine, const QString& path) {
    std::array<Variant, 8> out;
    if (engine.GetConfigurationPreview(frontend::TextVariant(path), &out[0], &out[1], &out[2],
                                       &out[3], &out[4], &out[5], &out[6], &out[7]) != status::Ok) {
        return std::nullopt;
    }
    return ConfigPreview{FieldText(out[2]), FieldText(out[3]), FieldText(out[4])};
}

void CDlgConfigPreview::ShowPreviewFor(const QString& path) {
    if (!IsConfigurationPath(path)) {
        return;
    }
    const ConfigPreview preview = ReadPreview(engine_, path).value_or(ConfigPreview{});
    projectName_->setText(preview.projectName);
    theaterName_->setText(preview.theaterName);
    screenNumber_->setText(preview.screenNumber);
}

ConfigPreview CDlgConfigPreview::ShownPreview() const {
    return {projectName_->text(), theaterName_->text(), screenNumber_->text()};
}

}  // namespace kvt::laptop
