#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes an uncompressed AVI: one video stream of 24-bit bottom-up DIB frames (BI_RGB, rows
// padded to four bytes), an idx1 index of key frames, and a JUNK chunk between the headers and
// the frame data that pads the whole file to the requested length.
namespace Avi {

struct Clip
{
    int width = 0;
    int height = 0;
    int framesPerSecond = 0;
    QList<QImage> frames; // each width x height
};

// The length of the file without padding (a JUNK chunk of no data).
qint64 unpaddedLength(const Clip &clip);

// The whole file, exactly fileLength bytes long; empty when the frames do not fit into that
// length or do not match the clip's size.
QByteArray write(const Clip &clip, qint64 fileLength);

} // namespace Avi
