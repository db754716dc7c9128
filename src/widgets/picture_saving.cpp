#include "widgets/picture_saving.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "report/file_saving.h"
#include "widgets/platform.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

namespace tensora {

void save_picture(Platform& platform, QWidget& owner, QWidget& picture) {
    QString path =
        platform.saveFileName(&owner, UiText::tr("Save Image"),
                              UiText::tr("PNG image (*.png)|*.png|SVG image (*.svg)|*.svg"));
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(picture.size());
        svg.setViewBox(picture.rect());
        svg.setTitle(owner.windowTitle());
        QPainter painter;
        if (painter.begin(&svg)) {
            picture.render(&painter);
            painter.end();
        }
    } else {
        if (suffix != QLatin1String("png")) {
            path += QStringLiteral(".png");
        }
        picture.grab().save(&buffer, "PNG");
    }
    Message reason(TENSORA_TEXT("Files", "the picture could not be drawn"));
    const bool saved = !image.isEmpty() &&
                       save_whole_file(local_path(path),
                                       std::string_view(image.constData(), image.size()), reason);
    if (!saved) {
        platform.message(&owner, UiText::tr("The picture could not be saved as %1.\n%2")
                                     .arg(QDir::toNativeSeparators(path),
                                          spoken(reason, platform.numberLocale())));
    }
}

} // namespace tensora
