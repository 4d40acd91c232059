// Writes a service report as a PDF (A4, Qt's PDF writer; the plots are drawn with QPainter).
#pragma once

#include <string>

#include "ServiceReport.h"

namespace kvt::report {

// The page count of the written file, or 0 with the reason in error.
struct PdfResult {
    int pages = 0;
    std::string error;
};

// Writes to a temporary file beside the path and moves it into place only when complete, so a
// failure never leaves a half-written report (or destroys an earlier one).
PdfResult WriteReportPdf(const ServiceReport& report, const std::string& path);

// The names of the output channels for the report (LCRC names the EX outputs as centres), in
// English; the PDF shows them translated.
std::string ChannelName(int channel, int32_t inputConfig);

// The verification mask in words of the program's language (VerifyMaskText translated).
std::string VerifyMaskTextTranslated(uint32_t mask);

// The centre frequency of an equaliser band (band 0 is the lowest, 40 Hz).
double BandHertz(int band);

// The delay a channel's output gets, in milliseconds.
int ChannelDelayMs(const ParameterImage& image, int channel);

}  // namespace kvt::report
