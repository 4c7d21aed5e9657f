#include "output/save_file.h"

#include "byte_printing.h"
#include "small_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entries(const QString &dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

QString fullPath(const QString &path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

class SaveFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString &name) const { return dir_.filePath(name); }
    QString dirPath() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

struct ContentCase {
    const char *name;
    const char16_t *text;
    QByteArray expected;
};

TEST_F(SaveFileTest, WritesExactlyTheUtf8BytesOfTheText) {
    const std::vector<ContentCase> cases = {
        {"ASCII lines", u"#include <amxmodx>\r\n\r\n}\r\n", "#include <amxmodx>\r\n\r\n}\r\n"},
        {"no byte-order mark before a Cyrillic start", u"Далее\r\n",
         "\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5\r\n"},
        {"every UTF-8 length", u"a\u00e9€\U0001F600\r\n",
         "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\r\n"},
        {"no line end added", u"last", "last"},
    };
    for (const ContentCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path("menu.sma");
        const SaveResult result = SaveFileInUTF8(file, QString::fromUtf16(c.text));
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_TRUE(result.message.isEmpty());
        EXPECT_EQ(readFile(file), c.expected);
    }
}

TEST_F(SaveFileTest, AnEmptyTextCreatesAnEmptyFile) {
    const QString file = path("menu.sma");
    ASSERT_TRUE(SaveFileInUTF8(file, u"").ok);
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(QFileInfo(file).size(), 0);
}

TEST_F(SaveFileTest, ReplacingALongerFileLeavesNoTraceOfIt) {
    const QString file = path("menu.sma");
    writeFile(file, QByteArray(100000, 'o'));
    ASSERT_TRUE(SaveFileInUTF8(file, u"new\r\n").ok);
    EXPECT_EQ(readFile(file), QByteArray("new\r\n"));
    EXPECT_EQ(entries(dirPath()), QStringList{"menu.sma"});
}

struct UncreatableCase {
    const char *name;
    std::function<QString(const QString &dir)> target;
};

TEST_F(SaveFileTest, AFileThatCannotBeCreatedIsReportedWithItsFullPath) {
    const std::vector<UncreatableCase> cases = {
        {"missing parent folder", [](const QString &dir) { return dir + "/missing/menu.sma"; }},
        {"an existing folder",
         [](const QString &dir) {
             QDir(dir).mkdir("menu.sma");
             return dir + "/menu.sma";
         }},
        {"a file standing where the parent folder should be",
         [](const QString &dir) {
             writeFile(dir + "/plain", "x");
             return dir + "/plain/menu.sma";
         }},
    };
    for (const UncreatableCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString target = c.target(dir.path());
        const QStringList before = entries(dir.path());

        const SaveResult result = SaveFileInUTF8(target, u"text\r\n");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot create file " + fullPath(target));
        EXPECT_FALSE(QFileInfo(target).isFile());
        EXPECT_EQ(entries(dir.path()), before);
    }
}

TEST_F(SaveFileTest, ARelativeNameIsReportedWithItsFullPath) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dirPath()));
    const SaveResult result = SaveFileInUTF8("missing/menu.sma", u"text\r\n");
    QDir::setCurrent(previous);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Cannot create file " +
                  QDir::toNativeSeparators(QDir(dirPath()).absoluteFilePath("missing/menu.sma")));
}

// A file whose disk fills up after `room` bytes.
class FillingSaveFile : public QSaveFile {
  public:
    FillingSaveFile(const QString &name, qint64 room) : QSaveFile(name), room_(room) {}

  protected:
    qint64 writeData(const char *data, qint64 len) override {
        if (room_ == 0) return -1;
        const qint64 written = QSaveFile::writeData(data, std::min(len, room_));
        if (written > 0) room_ -= written;
        return written;
    }

  private:
    qint64 room_;
};

TEST_F(SaveFileTest, AFailedWriteReportsItAndKeepsTheOldFile) {
    const QByteArray old = "old plugin\r\n";
    const QByteArray bytes(70000, 'n');
    for (const qint64 room : {qint64{0}, qint64{1}, qint64{4096}, qint64{bytes.size() - 1}}) {
        SCOPED_TRACE(room);
        const QString file = path("menu.sma");
        writeFile(file, old);
        // On Windows the temporary file is a named one until its QSaveFile is gone, so the
        // folder is looked at after that.
        const SaveResult result = [&] {
            FillingSaveFile saveFile(file, room);
            return writeWholeFile(saveFile, bytes);
        }();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot write file " + fullPath(file));
        EXPECT_EQ(readFile(file), old);
        EXPECT_EQ(entries(dirPath()), QStringList{"menu.sma"});
    }
}

TEST_F(SaveFileTest, EnoughRoomForEveryByteSaves) {
    const QString file = path("menu.sma");
    writeFile(file, "old plugin\r\n");
    const QByteArray bytes(70000, 'n');
    FillingSaveFile saveFile(file, bytes.size());
    const SaveResult result = writeWholeFile(saveFile, bytes);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(readFile(file), bytes);
}

struct FullDiskCase {
    const char *name;
    bool fillFirst;
    qsizetype textSize;
};

TEST_F(SaveFileTest, AFullDiskReportsItAndKeepsTheOldFile) {
    const std::vector<FullDiskCase> cases = {
        // Fails while writing.
        {"a text larger than the disk", false, 200000},
        // Small enough to be buffered whole: only the flush before commit can fail.
        {"a small text on a disk already full", true, 100},
    };
    for (const FullDiskCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir mountPoint;
        ASSERT_TRUE(mountPoint.isValid());
        const SmallDisk disk(mountPoint.path());
        if (!disk.mounted()) GTEST_SKIP() << disk.reason();

        const QString file = mountPoint.filePath("menu.sma");
        const QByteArray old = "old plugin\r\n";
        writeFile(file, old);
        if (c.fillFirst) disk.fill();
        const QStringList before = entries(mountPoint.path());

        const SaveResult result = SaveFileInUTF8(file, QString(c.textSize, u'n'));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot write file " + fullPath(file));
        EXPECT_EQ(readFile(file), old);
        EXPECT_EQ(entries(mountPoint.path()), before);
    }
}

}  // namespace
}  // namespace orvane
