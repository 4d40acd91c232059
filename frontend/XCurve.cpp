#include "XCurve.h"

namespace kvt::frontend {

namespace {

constexpr double kNo = XCurve::kNoPoint;

// 25 Hz, 31 Hz and 20 kHz have no reference point; flat from 63 Hz to 2 kHz, then falling.
constexpr std::array<double, XCurve::kColumns> kReference{
    kNo, kNo, -2, -1, 0, 0,  0,  0,  0,  0,  0,  0,  0,  0,   0,    //  25 Hz ... 630 Hz
    0,   0,   0,  0,  0, -1, -2, -3, -4, -5, -6, -7, -9, -11, kNo,  // 800 Hz ... 20 kHz
};

// The GUI thread is the only one that reads or moves the curve.
int offset = 0;
std::array<double, XCurve::kColumns> shown = kReference;

}  // namespace

const std::array<double, XCurve::kColumns>& XCurve::Reference() {
    return kReference;
}

const std::array<double, XCurve::kColumns>& XCurve::Points() {
    return shown;
}

int XCurve::Offset() {
    return offset;
}

void XCurve::ShiftTo(int newOffset) {
    offset = newOffset;
    for (int column = 0; column < kColumns; ++column) {
        shown[column] = kReference[column] == kNoPoint ? kNoPoint : kReference[column] + offset;
    }
}

}  // namespace kvt::frontend
