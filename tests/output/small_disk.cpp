#include "small_disk.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

namespace orvane {

void SmallDisk::fill() const {
    QFile filler(mountPoint_ + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
}

}  // namespace orvane
