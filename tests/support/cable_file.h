// A small cable data file, written to a temporary folder for the window tests.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tensora::test {

class CableFile {
public:
    // Every section holds a heading line, `cables` generated cables and its empty line; the
    // Power section also holds the CABLE-A line, with runs of blanks between its fields, and
    // the R8 section a line with accented letters.
    explicit CableFile(int cables = 3);

    QString folder() const { return folder_.path(); }

    static inline const QString kCableA =
        QStringLiteral("CABLE-A  0.2   100000 0.5 0.0001   0.0745 20000 600");
    // In the R8 section, written as 8-bit text like the rest of the file.
    static inline const QString kAccentedCable =
        QStringLiteral("C\u00c2BLE-\u00c9 0.2 100000 0.5 0.0001 0.0745 20000 600");

private:
    QTemporaryDir folder_;
};

} // namespace tensora::test
