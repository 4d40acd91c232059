#include "image/ParameterImage.h"

namespace kvt {

namespace {

struct FactoryValue {
    Param param;
    double value;
};

// Values with no index, or the same for every index; everything else starts at 0 (flat
// equaliser, 0 dB gains, no mute, normal polarity).
constexpr std::array kFactoryValues{
    FactoryValue{Param::SlitEQ, 16},
    FactoryValue{Param::MonoEQ, 10},
    FactoryValue{Param::Delay, 20},
    FactoryValue{Param::SubwooferFreq, 80},
    FactoryValue{Param::SubParametricFreq, 40},
    FactoryValue{Param::SubParametricQ, 2},
    FactoryValue{Param::DigitalInputDelay, 32},
};

}  // namespace

ParameterImage FactoryImage() {
    ParameterImage image;
    for (const FactoryValue& factory : kFactoryValues) {
        const size_t first = FirstSlot(factory.param);
        const size_t count = ValueCount(RowOf(factory.param).index);
        for (size_t slot = first; slot < first + count; ++slot) {
            image.values[slot] = factory.value;
        }
    }
    image.formats = FactoryFormatTable();
    image.profile = FactoryProfile();
    return image;
}

}  // namespace kvt
