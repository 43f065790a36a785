#include <cctype>
#include <cstring>
#include <new>

#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {

void HostRowWriter::Element(int columns) {
    for (int i = 0; i < columns; ++i, ++column_)
        if (bar_ && column_ < static_cast<int>(row_.size()))
            row_[static_cast<std::size_t>(column_)] = 1;
    bar_ = !bar_;
}

void HostRowWriter::Widths(std::string_view digits) {
    for (char d : digits) Element(d - '0');
}

void AddReference(ZiggurHostLayout& layout, int column, bool outer) {
    layout.references.push_back({column, outer});
}

void AddReferenceSteps(ZiggurHostLayout& layout, HostRow& barrier, int steps, int span, int pitch,
                       int offset) {
    for (int i = 0; i <= steps; ++i) {
        // round(span x i / steps), halves up, in integers
        const int p = (2 * span * i + steps) / (2 * steps);
        const int boundary = pitch * p + offset;
        AddReference(layout, boundary, false);
        AddReference(layout, boundary + 1, true);
        barrier[static_cast<std::size_t>(boundary + 1)] = 1;
    }
}

bool EncodeZiggurHost(const ZiggurHostRecord& host, ZiggurHostRows& rows,
                      ZiggurHostLayout& layout) {
    rows = {};
    layout = {};
    const int wide = host.wideWidth < 0 ? 2 * host.narrowWidth : host.wideWidth;
    if (host.narrowWidth != 1 || wide != 2) return false;
    const std::size_t length = strnlen(host.hostMessage, sizeof host.hostMessage);
    // Never cut: a message without its NUL, or longer than the host takes, is refused.
    if (length > kZiggurMaxHostMessage) return false;
    const std::string_view message(host.hostMessage, length);
    try {
        bool ok = false;
        switch (std::toupper(static_cast<unsigned char>(host.hostSymbology))) {
            case '3':
                ok = Code39Host(message, rows, layout);
                break;
            case 'U':
                ok = EanHost(message, rows, layout);
                break;
            case 'I':
                ok = ItfHost(message, false, rows, layout);
                break;
            case 'B':
                ok = ItfHost(message, true, rows, layout);
                break;
            case '9':
                ok = Code93Host(message, rows, layout);
                break;
            case '1':
                ok = Code128Host(message, rows, layout);
                break;
            default:
                break;
        }
        if (ok) return true;
    } catch (const std::bad_alloc&) {
    }
    rows = {};
    layout = {};
    return false;
}

}  // namespace tsy::ziggur
