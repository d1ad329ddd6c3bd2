#include "ui/pngicon.h"

#include <QImageReader>
#include <QPixmap>

namespace PngIcon {

QIcon load(const QString &path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace PngIcon
