#include "output/cp1251.h"

#include "byte_printing.h"
#include "output/utf8.h"
#include "system_cp1251.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane {
namespace {

// Windows-1251 leaves this byte unassigned; Windows widens it to U+0098 and so do we, while
// iconv refuses it.
constexpr unsigned char kUnassigned = 0x98;

QByteArray byte(int value) {
    return QByteArray(1, char(value));
}

TEST(Cp1251Test, EveryAssignedByteWidensAsTheSystemSays) {
    if (!SystemHasCp1251()) GTEST_SKIP() << "the system has no CP1251 conversion here";
    for (int b = 0; b < 256; ++b) {
        if (b == kUnassigned) continue;
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::optional<QByteArray> expected = SystemCp1251ToUtf16Le(byte(b));
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(expected->size(), 2);
        const char16_t unit = char16_t(uchar((*expected)[0]) | uchar((*expected)[1]) << 8);
        const QString widened = Cp1251ToUnicode(byte(b));
        ASSERT_EQ(widened.size(), 1);
        EXPECT_EQ(widened[0].unicode(), unit);
    }
}

TEST(Cp1251Test, AnsiToUtf8AgreesWithTheSystemForEveryAssignedByte) {
    if (!SystemHasCp1251()) GTEST_SKIP() << "the system has no CP1251 conversion here";
    QByteArray all;
    QByteArray allExpected;
    for (int b = 0; b < 256; ++b) {
        if (b == kUnassigned) continue;
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::optional<QByteArray> expected = SystemCp1251ToUtf8(byte(b));
        ASSERT_TRUE(expected.has_value());
        EXPECT_EQ(AnsiToUtf8(byte(b)), *expected);
        all += byte(b);
        allExpected += *expected;
    }
    // The same bytes in one text, so a conversion that depends on its neighbours shows up.
    EXPECT_EQ(AnsiToUtf8(all), allExpected);
}

TEST(Cp1251Test, TheUnassignedByteBecomesU0098) {
    EXPECT_EQ(Cp1251ToUnicode(byte(kUnassigned)), QString(QChar(0x0098)));
    EXPECT_EQ(AnsiToUtf8(byte(kUnassigned)), QByteArray("\xC2\x98"));
    // The system either refuses the byte or widens it just as we do.
    const std::optional<QByteArray> system = SystemCp1251ToUtf8(byte(kUnassigned));
    if (system) {
        EXPECT_EQ(*system, QByteArray("\xC2\x98"));
    }
}

TEST(Cp1251Test, ConvertsWholeTexts) {
    EXPECT_EQ(AnsiToUtf8(QByteArray()), QByteArray());
    // "Далее" as the program holds it: five letters, ten bytes in UTF-8.
    EXPECT_EQ(AnsiToUtf8(QByteArray("\xC4\xE0\xEB\xE5\xE5")),
              QByteArray("\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5"));
    EXPECT_EQ(AnsiToUtf8(QByteArray("}\r\n")), QByteArray("}\r\n"));
    EXPECT_EQ(AnsiToUtf8(QByteArray("a\0b", 3)), QByteArray("a\0b", 3));
    EXPECT_EQ(Cp1251ToUnicode(QByteArray("\xB9\x88\xC0\xFF")), QString::fromUtf16(u"№€Ая"));
}

}  // namespace
}  // namespace orvane
