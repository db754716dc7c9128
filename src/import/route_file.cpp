#include "import/route_file.h"

#include "import/landxml_route.h"
#include "pullplan/route_csv.h"
#include "pullplan/route_dxf.h"

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
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    switch (route_file_kind(text)) {
    case RouteFileKind::Dxf:
        return read_route_dxf(text);
    case RouteFileKind::LandXml:
        return read_route_landxml(text);
    case RouteFileKind::Csv:
        break;
    }
    return read_route_csv(text);
}

} // namespace tensora
