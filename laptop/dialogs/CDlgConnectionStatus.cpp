#include "CDlgConnectionStatus.h"

namespace kvt::laptop {

CDlgConnectionStatus::CDlgConnectionStatus(QWidget* parent)
    : CDlgProgressStatus(tr("Connecting..."),
                         tr("Connecting to KVT unit, please wait a few moments..."), parent) {}

}  // namespace kvt::laptop
