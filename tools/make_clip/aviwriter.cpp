#include "aviwriter.h"

#include <QtEndian>

namespace Avi {

namespace {

constexpr quint32 AvifHasIndex = 0x10;
constexpr quint32 AviifKeyFrame = 0x10;
constexpr int MainHeaderSize = 56;
constexpr int StreamHeaderSize = 56;
constexpr int BitmapInfoSize = 40;
constexpr int IndexEntrySize = 16;

int rowBytes(int width)
{
    return (width * 3 + 3) / 4 * 4;
}

int frameBytes(const Clip &clip)
{
    return rowBytes(clip.width) * clip.height;
}

class Writer
{
public:
    void fourcc(const char *code) { m_data.append(code, 4); }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_data.append(b, 4);
    }
    void u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_data.append(b, 2);
    }
    void bytes(const QByteArray &b) { m_data.append(b); }
    // Starts a chunk or list and returns the place of its size field.
    qsizetype open(const char *code)
    {
        fourcc(code);
        const qsizetype at = m_data.size();
        u32(0);
        return at;
    }
    void close(qsizetype sizeAt)
    {
        const quint32 size = quint32(m_data.size() - sizeAt - 4);
        qToLittleEndian(size, m_data.data() + sizeAt);
        if (m_data.size() % 2)
            m_data.append('\0');
    }
    qsizetype size() const { return m_data.size(); }
    QByteArray data() const { return m_data; }

private:
    QByteArray m_data;
};

// One frame as a bottom-up DIB: blue, green, red per pixel, the last row first.
QByteArray dibFrame(const QImage &frame)
{
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    const int stride = rowBytes(rgb.width());
    QByteArray data(qsizetype(stride) * rgb.height(), '\0');
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(rgb.height() - 1 - y));
        char *out = data.data() + qsizetype(y) * stride;
        for (int x = 0; x < rgb.width(); ++x) {
            out[3 * x] = char(qBlue(line[x]));
            out[3 * x + 1] = char(qGreen(line[x]));
            out[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return data;
}

void headers(Writer &w, const Clip &clip)
{
    const quint32 frames = quint32(clip.frames.size());
    const quint32 bytes = quint32(frameBytes(clip));
    const qsizetype hdrl = w.open("LIST");
    w.fourcc("hdrl");
    const qsizetype avih = w.open("avih");
    w.u32(quint32(1000000 / clip.framesPerSecond)); // microseconds per frame
    w.u32(bytes * quint32(clip.framesPerSecond));   // maximum bytes per second
    w.u32(0);                                        // padding granularity
    w.u32(AvifHasIndex);
    w.u32(frames);
    w.u32(0); // initial frames
    w.u32(1); // streams
    w.u32(bytes);
    w.u32(quint32(clip.width));
    w.u32(quint32(clip.height));
    for (int i = 0; i < 4; ++i)
        w.u32(0);
    w.close(avih);

    const qsizetype strl = w.open("LIST");
    w.fourcc("strl");
    const qsizetype strh = w.open("strh");
    w.fourcc("vids");
    w.fourcc("DIB ");
    w.u32(0); // flags
    w.u16(0); // priority
    w.u16(0); // language
    w.u32(0); // initial frames
    w.u32(1); // scale
    w.u32(quint32(clip.framesPerSecond)); // rate: frames per second = rate / scale
    w.u32(0); // start
    w.u32(frames);
    w.u32(bytes);
    w.u32(0xFFFFFFFFu); // quality: default
    w.u32(0);           // sample size: varies
    w.u16(0);
    w.u16(0);
    w.u16(quint16(clip.width));
    w.u16(quint16(clip.height));
    w.close(strh);

    const qsizetype strf = w.open("strf");
    w.u32(BitmapInfoSize);
    w.u32(quint32(clip.width));
    w.u32(quint32(clip.height)); // positive: bottom-up rows
    w.u16(1);                    // planes
    w.u16(24);                   // bits per pixel
    w.u32(0);                    // BI_RGB
    w.u32(bytes);
    w.u32(3780); // 96 dpi
    w.u32(3780);
    w.u32(0);
    w.u32(0);
    w.close(strf);
    w.close(strl);
    w.close(hdrl);
}

bool valid(const Clip &clip)
{
    if (clip.width <= 0 || clip.height <= 0 || clip.framesPerSecond <= 0 || clip.frames.isEmpty())
        return false;
    for (const QImage &frame : clip.frames)
        if (frame.size() != QSize(clip.width, clip.height))
            return false;
    return true;
}

} // namespace

qint64 unpaddedLength(const Clip &clip)
{
    const qint64 header = 12 + 12 + 8 + MainHeaderSize + 12 + 8 + StreamHeaderSize + 8 + BitmapInfoSize;
    const qint64 junk = 8;
    const qint64 movi = 12 + qint64(clip.frames.size()) * (8 + frameBytes(clip));
    const qint64 index = 8 + qint64(clip.frames.size()) * IndexEntrySize;
    return header + junk + movi + index;
}

QByteArray write(const Clip &clip, qint64 fileLength)
{
    if (!valid(clip) || frameBytes(clip) % 2)
        return {};
    const qint64 padding = fileLength - unpaddedLength(clip);
    if (padding < 0 || padding % 2)
        return {};

    Writer w;
    const qsizetype riff = w.open("RIFF");
    w.fourcc("AVI ");
    headers(w, clip);

    const qsizetype junk = w.open("JUNK");
    w.bytes(QByteArray(qsizetype(padding), '\0'));
    w.close(junk);

    const qsizetype movi = w.open("LIST");
    const qsizetype moviStart = w.size();
    w.fourcc("movi");
    QList<quint32> offsets;
    for (const QImage &frame : clip.frames) {
        offsets.append(quint32(w.size() - moviStart));
        const qsizetype chunk = w.open("00db");
        w.bytes(dibFrame(frame));
        w.close(chunk);
    }
    w.close(movi);

    const qsizetype idx1 = w.open("idx1");
    for (quint32 offset : offsets) {
        w.fourcc("00db");
        w.u32(AviifKeyFrame);
        w.u32(offset);
        w.u32(quint32(frameBytes(clip)));
    }
    w.close(idx1);
    w.close(riff);

    const QByteArray data = w.data();
    return data.size() == fileLength ? data : QByteArray();
}

} // namespace Avi
