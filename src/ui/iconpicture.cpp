#include "ui/iconpicture.h"

#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace IconPicture {

namespace {

constexpr char Magic[4] = {'M', 'X', 'I', 'C'};
constexpr qsizetype HeaderSize = 12;
constexpr int BytesPerPixel = 4;

bool isFourByteFormat(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

} // namespace

QImage decode(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || std::memcmp(bytes.constData(), Magic, sizeof Magic) != 0)
        return {};
    const auto *header = reinterpret_cast<const uchar *>(bytes.constData());
    const int width = qFromLittleEndian<quint16>(header + 4);
    const int height = qFromLittleEndian<quint16>(header + 6);
    const auto format = static_cast<QImage::Format>(qFromLittleEndian<quint32>(header + 8));
    if (width == 0 || height == 0 || !isFourByteFormat(format)
        || bytes.size() != HeaderSize + qsizetype(width) * height * BytesPerPixel)
        return {};
    // The pixels are copied out, so the image outlives the bytes.
    return QImage(header + HeaderSize, width, height, width * BytesPerPixel, format).copy();
}

QByteArray encode(const QImage &image)
{
    const QImage pixels = isFourByteFormat(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(HeaderSize, '\0');
    std::memcpy(bytes.data(), Magic, sizeof Magic);
    auto *header = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint16>(quint16(pixels.width()), header + 4);
    qToLittleEndian<quint16>(quint16(pixels.height()), header + 6);
    qToLittleEndian<quint32>(quint32(pixels.format()), header + 8);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * BytesPerPixel);
    return bytes;
}

QIcon load(const QString &name)
{
    const QResource resource(QStringLiteral(":/icons/%1.mxic").arg(name));
    if (!resource.isValid())
        return {};
    const QImage image = decode(resource.uncompressedData());
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

} // namespace IconPicture
