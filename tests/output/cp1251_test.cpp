#include "output/cp1251.h"

#include "byte_printing.h"
#include "output/utf8.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>

namespace orvane {
namespace {

// Windows-1251 leaves this byte unassigned; Windows widens it to U+0098 and so do we, while
// iconv refuses it.
constexpr unsigned char kUnassigned = 0x98;

// The C library's own Windows-1251 tables, as a second opinion on ours.
class Iconv {
  public:
    explicit Iconv(const char *to) : handle_(iconv_open(to, "CP1251")) {}
    ~Iconv() {
        if (valid()) iconv_close(handle_);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Nothing when iconv rejects the input.
    std::optional<QByteArray> convert(const QByteArray &input) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        QByteArray output(4 * input.size() + 16, '\0');
        char *in = const_cast<char *>(input.data());
        size_t inLeft = size_t(input.size());
        char *out = output.data();
        size_t outLeft = size_t(output.size());
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == size_t(-1)) return std::nullopt;
        output.truncate(output.size() - qsizetype(outLeft));
        return output;
    }

  private:
    iconv_t handle_;
};

QByteArray byte(int value) {
    return QByteArray(1, char(value));
}

TEST(Cp1251Test, EveryAssignedByteWidensAsTheCLibrarySays) {
    Iconv toUtf16("UTF-16LE");
    if (!toUtf16.valid()) GTEST_SKIP() << "iconv has no CP1251 conversion here";
    for (int b = 0; b < 256; ++b) {
        if (b == kUnassigned) continue;
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::optional<QByteArray> expected = toUtf16.convert(byte(b));
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(expected->size(), 2);
        const char16_t unit = char16_t(uchar((*expected)[0]) | uchar((*expected)[1]) << 8);
        const QString widened = Cp1251ToUnicode(byte(b));
        ASSERT_EQ(widened.size(), 1);
        EXPECT_EQ(widened[0].unicode(), unit);
    }
}

TEST(Cp1251Test, AnsiToUtf8AgreesWithTheCLibraryForEveryAssignedByte) {
    Iconv toUtf8("UTF-8");
    if (!toUtf8.valid()) GTEST_SKIP() << "iconv has no CP1251 conversion here";
    QByteArray all;
    QByteArray allExpected;
    for (int b = 0; b < 256; ++b) {
        if (b == kUnassigned) continue;
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::optional<QByteArray> expected = toUtf8.convert(byte(b));
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
    Iconv toUtf8("UTF-8");
    if (toUtf8.valid()) {
        EXPECT_FALSE(toUtf8.convert(byte(kUnassigned)).has_value());
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
