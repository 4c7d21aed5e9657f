#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class QSaveFile;

namespace orvane {

struct SaveResult {
    bool ok = false;
    QString message;  // what to tell the user when the save failed
};

// Writes `text` (the result text: every line followed by CR LF) to `fileName` as UTF-8,
// with no byte-order mark. The old file is replaced only once every new byte is written;
// on failure it is left as it was.
SaveResult SaveFileInUTF8(const QString &fileName, QStringView text);

// The writing half of SaveFileInUTF8, on a file not yet opened: open, write every byte,
// flush, commit; cancel at the first failure.
SaveResult writeWholeFile(QSaveFile &file, const QByteArray &bytes);

}  // namespace orvane
