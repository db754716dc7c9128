#include "support/cable_file.h"

#include <QFile>

namespace tensora::test {

CableFile::CableFile(int cables) {
    QStringList lines{"R\u00e9v 2026-12-01", "Tensora Help", "Help text", "END", "skipped", "END"};
    for (int block : {14, 7, 1, 5, 5}) {
        for (int i = 0; i < block; ++i) {
            lines << QStringLiteral("fixed");
        }
    }
    for (int section = 0; section < 14; ++section) {
        lines << QStringLiteral("CABLE AREA MODULUS DIAM EXP/F LB/FT E*A RATING");
        if (section == 3) {
            lines << kCableA;
        }
        if (section == 4) {
            lines << kAccentedCable;
        }
        for (int c = 0; c < cables; ++c) {
            lines << QStringLiteral("S%1-CABLE-%2 0.3 200000 0.62 0.000005 0.15 60000 700")
                         .arg(section)
                         .arg(c);
        }
        lines << QString();
    }
    QFile file(folder_.filePath(QStringLiteral("cabledat.qx4")));
    if (file.open(QIODevice::WriteOnly)) {
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
}

} // namespace tensora::test
