// Shows a window with a Cyrillic label under Wine and closes itself. It reports the font the
// label got and fails (exit 3) when that font has no glyphs for the label's letters, which is
// what a prefix without a font for them looks like. The file shown.txt in the current
// directory tells the script that the window has been on screen long enough for a screenshot.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString text = QStringLiteral("Масса проката: 1 м швеллера 10П — 8,59 кг");
    QLabel label(text);
    QFont font = label.font();
    font.setPointSize(14);
    label.setFont(font);
    label.setMargin(16);
    label.setWindowTitle(QStringLiteral("Морвекс: проверка"));
    label.show();

    int status = 0;
    QTextStream out(stdout);
    out << "platform: " << QGuiApplication::platformName() << '\n'
        << "font: " << QFontInfo(label.font()).family() << '\n';
    const QFontMetrics metrics(label.font());
    for (const QChar c : text) {
        if (c.isLetter() && !metrics.inFont(c)) {
            out << "no glyph for U+" << QString::number(c.unicode(), 16) << '\n';
            status = 3;
        }
    }
    out.flush();

    QTimer::singleShot(1500, [] {
        QFile shown(QStringLiteral("shown.txt"));
        if (shown.open(QIODevice::WriteOnly))
            shown.write("shown\n");
    });
    QTimer::singleShot(4000, [&] { app.exit(status); });
    return app.exec();
}
