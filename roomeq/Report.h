// The assistant's result as a JSON report and as the compact before/after table the program
// prints.
#pragma once

#include <string>

#include "Assistant.h"

namespace kvt::roomeq {

struct ReportContext {
    std::string targetName;
    double maxBoostDb = 0.0;
    double maxCutDb = 0.0;
    bool dryRun = false;
};

std::string ReportJson(const AssistantResult& result, const ReportContext& context);
std::string BeforeAfterTable(const AssistantResult& result);

}  // namespace kvt::roomeq
