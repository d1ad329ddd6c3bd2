// render_svg: turns one drawing source into the picture file the program shows.
//
//   render_svg <in.svg> <out.jpg|out.png|out.mxic> [width height]
//
// The drawing is rendered antialiased on a white background, at the drawing's own size unless
// a size is given. A .jpg/.jpeg output is written as JPEG at quality 92, a .png output as PNG,
// a .mxic output as the bare pixels the program's icons are kept in (src/ui/iconpicture.h).
// The picture is tagged with 96 dots per inch, so one pixel stands for 15 twips.
// The file is written beside the output under a temporary name and renamed into place only when
// complete, so a failed run never leaves a broken picture behind.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include "ui/iconpicture.h"

namespace {

constexpr int jpegQuality = 92;
constexpr int dotsPerMetre96Dpi = 3780; // 96 / 0.0254

int fail(const QString &message)
{
    QTextStream(stderr) << "render_svg: " << message << Qt::endl;
    return 1;
}

bool parseSize(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value > 0 && value <= 20000;
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering text needs a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 5)
        return fail(QStringLiteral("usage: render_svg <in.svg> <out.jpg|out.png> [width height]"));
    const QString input = args.at(1);
    const QString output = args.at(2);

    const QString suffix = QFileInfo(output).suffix().toLower();
    QByteArray format;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        format = "jpeg";
    else if (suffix == QLatin1String("png"))
        format = "png";
    else if (suffix == QLatin1String("mxic"))
        format = "mxic";
    else
        return fail(QStringLiteral("%1: the output must end in .jpg, .jpeg, .png or .mxic").arg(output));

    if (!QFileInfo(input).isFile())
        return fail(QStringLiteral("%1: no such file").arg(input));
    QSvgRenderer renderer(input);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1: not a readable SVG drawing").arg(input));

    QSize size = renderer.defaultSize();
    if (args.size() == 5) {
        int width = 0;
        int height = 0;
        if (!parseSize(args.at(3), width) || !parseSize(args.at(4), height))
            return fail(QStringLiteral("the size must be two positive whole numbers of pixels, not '%1 %2'")
                            .arg(args.at(3), args.at(4)));
        size = QSize(width, height);
    }
    if (size.isEmpty())
        return fail(QStringLiteral("%1: the drawing has no size; give one").arg(input));

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(dotsPerMetre96Dpi);
    image.setDotsPerMeterY(dotsPerMetre96Dpi);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                               | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("%1: cannot write: %2").arg(output, file.errorString()));
    if (format == "mxic") {
        file.write(IconPicture::encode(image));
        if (!file.commit())
            return fail(QStringLiteral("%1: cannot write: %2").arg(output, file.errorString()));
        return 0;
    }
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(jpegQuality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(QStringLiteral("%1: cannot write the picture: %2").arg(output, writer.errorString()));
    }
    if (!file.commit())
        return fail(QStringLiteral("%1: cannot write: %2").arg(output, file.errorString()));
    return 0;
}
