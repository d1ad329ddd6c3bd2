#pragma once

#include <QIcon>
#include <QString>

// The program's icons are single PNG pictures, read by Qt's own PNG reader. Left to guess the
// format (QIcon from a file name does), Qt loads every image-format plugin to ask whether it
// reads the file, and with them Qt SVG and libjpeg: a good part of the start-up time.
namespace PngIcon {

QIcon load(const QString &path);

} // namespace PngIcon
