#pragma once

#include <QString>

class BomExporter;

// The export plugin in the program directory, which brings libxlsxwriter and Qt Print Support
// with it. Loaded when the user first exports a workbook or prints, and kept for the program's
// run, so a start that does neither maps none of their libraries.
namespace BomExportPlugin {

// Where the plugin lies: in the program directory's "plugins", beside the player plugin, under
// the name the build gives it.
QString path(const QString &programDir);

// The plugin's exporter; null where the plugin is missing, damaged or made for another Qt,
// with the reason on the diagnostic output.
BomExporter *exporter(const QString &programDir);

} // namespace BomExportPlugin
