#include "system_cp1251.h"

#include <windows.h>

#include <string>

namespace orvane {
namespace {

constexpr UINT kCp1251 = 1251;

std::optional<std::wstring> widen(const QByteArray &bytes) {
    if (bytes.isEmpty()) return std::wstring();
    const int length = MultiByteToWideChar(kCp1251, MB_ERR_INVALID_CHARS, bytes.data(),
                                           int(bytes.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(kCp1251, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), wide.data(),
                        length);
    return wide;
}

}  // namespace

bool SystemHasCp1251() {
    return IsValidCodePage(kCp1251) != 0;
}

std::optional<QByteArray> SystemCp1251ToUtf16Le(const QByteArray &bytes) {
    const std::optional<std::wstring> wide = widen(bytes);
    if (!wide) return std::nullopt;
    QByteArray output;
    for (const wchar_t unit : *wide) {
        output += char(unit & 0xFF);
        output += char((unit >> 8) & 0xFF);
    }
    return output;
}

std::optional<QByteArray> SystemCp1251ToUtf8(const QByteArray &bytes) {
    const std::optional<std::wstring> wide = widen(bytes);
    if (!wide) return std::nullopt;
    if (wide->empty()) return QByteArray();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide->data(), int(wide->size()), nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    QByteArray output(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide->data(), int(wide->size()), output.data(), length, nullptr,
                        nullptr);
    return output;
}

}  // namespace orvane
