#pragma once

#include <QByteArray>

#include <optional>

namespace orvane {

// The operating system's own Windows-1251 tables, as a second opinion on ours: the C
// library's iconv on POSIX systems, the system code page 1251 on Windows. Each conversion
// gives nothing when the system rejects the input or has no such table.
bool SystemHasCp1251();
std::optional<QByteArray> SystemCp1251ToUtf16Le(const QByteArray &bytes);
std::optional<QByteArray> SystemCp1251ToUtf8(const QByteArray &bytes);

}  // namespace orvane
