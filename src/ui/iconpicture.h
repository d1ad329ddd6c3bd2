#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

// The program's icons are kept as their bare pixels, as the build renders them from their
// drawings: an icon is ready without decoding, and no image reader runs at the start, where
// a PNG reader would inflate every icon and Qt would first look through its image-format
// plugins for one. The format ("MXIC"):
//
//     4 bytes "MXIC", width and height as 16-bit little-endian numbers, the QImage format as a
//     32-bit little-endian number (a 32-bit format), then the rows of pixels, 4 bytes a pixel
//
// written by tools/render_svg for an output ending in ".mxic".
namespace IconPicture {

// The bytes of a picture of this format; an empty image for bytes of any other.
QImage decode(const QByteArray &bytes);
QByteArray encode(const QImage &image);

// The icon of a picture in the program's resources (":/icons/<name>.mxic"); a null icon when
// there is none or it is not of this format.
QIcon load(const QString &name);

} // namespace IconPicture
