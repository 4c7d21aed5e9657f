#include "output/save_file.h"

#include "output/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvane {

namespace {

QString displayPath(const QString &fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

SaveResult failure(const char *format, const QString &fileName) {
    return {false, QString::fromLatin1(format).arg(displayPath(fileName))};
}

}  // namespace

SaveResult writeWholeFile(QSaveFile &file, const QByteArray &bytes) {
    if (!file.open(QIODevice::WriteOnly)) return failure("Cannot create file %1", file.fileName());
    // commit() alone can report success after its final flush failed and leave a truncated
    // file behind, so every step is checked before it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return failure("Cannot write file %1", file.fileName());
    }
    if (!file.commit()) return failure("Cannot write file %1", file.fileName());
    return {true, {}};
}

SaveResult SaveFileInUTF8(const QString &fileName, QStringView text) {
    QSaveFile file(fileName);
    return writeWholeFile(file, Utf8Encode(text));
}

}  // namespace orvane
