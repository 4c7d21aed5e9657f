#include "small_disk.h"

namespace orvane {

SmallDisk::SmallDisk(const QString &mountPoint)
    : mountPoint_(mountPoint), reason_("a small file system is mounted with Linux's tmpfs only") {}

SmallDisk::~SmallDisk() = default;

}  // namespace orvane
