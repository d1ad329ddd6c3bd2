// make_clip: draws the animation clip of the About window.
//
//   make_clip <section.svg> <out.avi>
//   make_clip --still <section.svg> <out.png>
//
// The clip is the player's size, 21 x 28 pixels: the drawn section turns half a revolution over
// the clip (the I-section is symmetric under a half turn, so the loop is seamless) above a
// rolled bar whose marks run one pixel a frame through a pair of rolls. 40 frames at 10 frames
// a second, written as an uncompressed 24-bit AVI padded with a JUNK chunk to the exact length
// the About window accepts. The file is written under a temporary name and renamed into place
// only when complete. The still picture is the clip's first frame: the About window shows it in
// the clip's place when it has no media player.

#include "aviwriter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

constexpr int Width = 21;
constexpr int Height = 28;
constexpr int FrameCount = 40;
constexpr int FramesPerSecond = 10;
constexpr qint64 FileLength = 85504; // the length the About window checks for
constexpr int SectionSide = 21;      // the turning section fills the top square
constexpr int MarkPeriod = 4;        // pixels between two marks of the rolled bar

int fail(const QString &message)
{
    QTextStream(stderr) << "make_clip: " << message << Qt::endl;
    return 1;
}

QImage frame(QSvgRenderer &section, int index)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(24, 40, 64));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    // The section, turning about the centre of the top square.
    p.save();
    p.translate(SectionSide / 2.0, SectionSide / 2.0);
    p.rotate(180.0 * index / FrameCount);
    const double side = SectionSide - 3.0;
    section.render(&p, QRectF(-side / 2, -side / 2, side, side));
    p.restore();

    // The rolled bar between two rolls, its marks running to the right.
    const int barTop = SectionSide + 2;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, barTop, Width, 3, QColor(200, 90, 40));
    p.setPen(QColor(250, 200, 120));
    for (int x = index % MarkPeriod - MarkPeriod; x < Width; x += MarkPeriod)
        p.drawLine(x, barTop, x, barTop + 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 175));
    p.drawEllipse(QPointF(Width / 2.0, barTop - 1.5), 3.5, 1.6);
    p.drawEllipse(QPointF(Width / 2.0, barTop + 4.5), 3.5, 1.6);
    p.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool still = args.size() == 4 && args.at(1) == QLatin1String("--still");
    if (still)
        args.removeAt(1);
    if (args.size() != 3)
        return fail(QStringLiteral("usage: make_clip [--still] <section.svg> <out.avi or .png>"));
    if (!QFileInfo(args.at(1)).isFile())
        return fail(QStringLiteral("%1: no such file").arg(args.at(1)));
    QSvgRenderer section(args.at(1));
    if (!section.isValid())
        return fail(QStringLiteral("%1: not a readable SVG drawing").arg(args.at(1)));

    if (still) {
        QSaveFile file(args.at(2));
        if (!file.open(QIODevice::WriteOnly) || !frame(section, 0).save(&file, "PNG") || !file.commit())
            return fail(QStringLiteral("%1: cannot write: %2").arg(args.at(2), file.errorString()));
        return 0;
    }

    Avi::Clip clip;
    clip.width = Width;
    clip.height = Height;
    clip.framesPerSecond = FramesPerSecond;
    for (int i = 0; i < FrameCount; ++i)
        clip.frames.append(frame(section, i));
    const QByteArray avi = Avi::write(clip, FileLength);
    if (avi.isEmpty())
        return fail(QStringLiteral("the frames do not fit into %1 bytes").arg(FileLength));

    QSaveFile file(args.at(2));
    if (!file.open(QIODevice::WriteOnly) || file.write(avi) != avi.size() || !file.commit())
        return fail(QStringLiteral("%1: cannot write: %2").arg(args.at(2), file.errorString()));
    return 0;
}
