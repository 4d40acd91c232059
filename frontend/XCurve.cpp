#include "XCurve.h"

#include "XCurveTable.h"

namespace kvt::frontend {

namespace {

static_assert(xcurve::kColumns == XCurve::kColumns && xcurve::kNoPoint == XCurve::kNoPoint);
constexpr const std::array<double, XCurve::kColumns>& kReference = xcurve::kReference;

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
