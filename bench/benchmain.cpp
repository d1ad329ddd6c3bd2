#include <QApplication>

#include <cstdio>

#include <benchmark/benchmark.h>

// The windows need an application; benchmarks run it offscreen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on every shown window would drown the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
