#include "import/route_file.h"

#include "import/landxml_route.h"

#include <QFile>
#include <QFileInfo>

namespace tensora {

RouteFile read_route_file(const QString& path) {
    RouteFile file;
    QFile input(path);
    if (!QFileInfo(path).isFile() || !input.open(QIODevice::ReadOnly)) {
        file.error = "The file cannot be read.";
        return file;
    }
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        file.error = "The file cannot be read: " + input.errorString().toStdString();
        return file;
    }
    return read_route_text(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        &read_route_landxml);
}

} // namespace tensora
