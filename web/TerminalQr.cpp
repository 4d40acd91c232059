#include "TerminalQr.h"

#ifdef KVT_HAVE_QRENCODE
#include <qrencode.h>

#include <memory>
#endif

namespace kvt::web {

#ifdef KVT_HAVE_QRENCODE

std::string TerminalQr(const std::string& text) {
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_L, QR_MODE_8, 1), QRcode_free);
    if (!code) {
        return {};
    }
    const int width = code->width;
    constexpr int kQuiet = 2;
    const auto dark = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= width) {
            return false;
        }
        return (code->data[y * width + x] & 1) != 0;
    };
    // Light modules are drawn as blocks so that the code reads on a dark terminal too.
    std::string out;
    for (int y = -kQuiet; y < width + kQuiet; y += 2) {
        for (int x = -kQuiet; x < width + kQuiet; ++x) {
            const bool top = !dark(x, y);
            const bool bottom = !dark(x, y + 1);
            out += top && bottom ? "\u2588" : top ? "\u2580" : bottom ? "\u2584" : " ";
        }
        out += '\n';
    }
    return out;
}

#else

std::string TerminalQr(const std::string&) {
    return {};
}

#endif

}  // namespace kvt::web
