#pragma once

#include <QString>

#include <string>

namespace orvane {

// A 64 KiB file system mounted for one test, unmounted when the test ends. Only Linux can
// mount one (tmpfs, as root); elsewhere mounted() is false and reason() says why.
class SmallDisk {
  public:
    explicit SmallDisk(const QString &mountPoint);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }
    const std::string &reason() const { return reason_; }

    // Takes every free byte.
    void fill() const;

  private:
    QString mountPoint_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace orvane
