#include "small_disk.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

namespace orvane {

SmallDisk::SmallDisk(const QString &mountPoint) : mountPoint_(mountPoint) {
    if (geteuid() != 0) {
        reason_ = "mounting a small file system needs root";
        return;
    }
    const std::string command =
        "mount -t tmpfs -o size=64k tmpfs '" + mountPoint.toStdString() + "' 2>/dev/null";
    mounted_ = std::system(command.c_str()) == 0;
    if (!mounted_) reason_ = "mount -t tmpfs was refused here";
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        const std::string command = "umount '" + mountPoint_.toStdString() + "'";
        if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot unmount " << command;
    }
}

}  // namespace orvane
