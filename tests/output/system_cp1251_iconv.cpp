#include "system_cp1251.h"

#include <iconv.h>

namespace orvane {
namespace {

class Iconv {
  public:
    explicit Iconv(const char *to) : handle_(iconv_open(to, "CP1251")) {}
    ~Iconv() {
        if (valid()) iconv_close(handle_);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<QByteArray> convert(const QByteArray &input) {
        if (!valid()) return std::nullopt;
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

}  // namespace

bool SystemHasCp1251() {
    return Iconv("UTF-8").valid();
}

std::optional<QByteArray> SystemCp1251ToUtf16Le(const QByteArray &bytes) {
    return Iconv("UTF-16LE").convert(bytes);
}

std::optional<QByteArray> SystemCp1251ToUtf8(const QByteArray &bytes) {
    return Iconv("UTF-8").convert(bytes);
}

}  // namespace orvane
