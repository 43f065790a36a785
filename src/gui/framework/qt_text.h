// Conversions between the core's UTF-16 text and Qt's.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tsy::gui {

inline QString ToQ(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::u16string FromQ(const QString& text) {
    return text.toStdU16String();
}

}  // namespace tsy::gui
