#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomfilechooser.h"

#include "bom/bomsheet.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class BomExporter;
class BomKindRows;
class BomPrinterChooser;
class BomTableModel;
class MarksBar;
class SpecPanel;
class QAction;
class QTabWidget;
class QLabel;
class QTableView;
class UserMessages;

// The window "Спецификация": two views, the grouped table of the list (its length and quantity
// cells editable) and the technical specification of metal with its statements; the marks bar
// (grade and group for the selected items and the next ones); the commands (open, save, export
// of the list and of the specification, print, undo and redo, copy, delete, move). The foot of
// the window says what the last command did. The
// list and what it is read from belong to the caller; the window only shows and asks. The
// workbook export and the printing come from the export plugin in the program directory,
// loaded when one of them is first used.
class BomWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BomWindow)

public:
    using RowSource = std::function<BomKindRows &()>;

    BomWindow(BillOfMaterials &list, UserMessages &messages, RowSource rows, const QString &programDir,
              QWidget *parent = nullptr);
    ~BomWindow() override;

    // Tests answer the file and printer questions themselves; without a printer chooser the
    // system's print dialog asks.
    void setFileChooser(BomFileChooser *chooser);
    void setPrinterChooser(BomPrinterChooser *chooser);

    QTableView *table() const { return m_table; }
    BomTableModel *model() const { return m_model; }
    QTabWidget *views() const { return m_views; }
    SpecPanel *specPanel() const { return m_spec; }
    MarksBar *marksBar() const { return m_marks; }
    // A short notice at the foot of the window.
    void showStatus(const QString &text);
    QString status() const;
    // Selects an item's line.
    void selectItem(int position);

    // The commands, as the toolbar runs them.
    void openFile();
    void saveAs();
    void exportXlsx();
    void exportPdf();
    // The specification: the form and the statements as a workbook, a PDF and CSV.
    void exportSpecXlsx();
    void exportSpecPdf();
    void exportSpecCsv();
    void print();
    // Takes back the last change (back) or makes it again, and says which.
    void step(bool back);
    // Says what the last change of the list was.
    void showDone();
    void copySelected();
    void removeSelected();
    void moveCurrent(int step);
    // The selected items' lines as tab-separated text for a spreadsheet.
    QString selectedText() const;

private:
    QAction *addCommand(const char *name, const QString &text, const QKeySequence &key,
                        std::function<void()> run);
    QList<int> selectedItems() const;
    void addCommands();
    void addSpecCommands();
    // Writes the sheets as one workbook through the plugin; nothing without it.
    void writeWorkbook(const QList<BomSheet::Sheet> &sheets, const QString &caption, const QString &written);
    void spanLines();
    void reportError(const QString &what, const QString &why);
    // A file the user is asked for, and what is said when writing it fails (%1 the path) or
    // succeeds.
    struct ChosenFile
    {
        QString caption;
        QString filter;
        QString suffix;
        QString failed;
        QString done;
    };
    // Asks for the file, writes it and says how that went; nothing happens when the user cancels.
    void writeChosenFile(const ChosenFile &file, const std::function<bool(const QString &, QString *)> &write);
    // The export plugin's exporter; null, and the user told what cannot be done, without it.
    BomExporter *exporter(const QString &what);

    BillOfMaterials &m_list;
    UserMessages &m_messages;
    RowSource m_rows;
    QString m_programDir;
    BomTableModel *m_model;
    QTableView *m_table;
    QTabWidget *m_views;
    SpecPanel *m_spec;
    MarksBar *m_marks;
    QLabel *m_status;
    DialogFileChooser m_dialogs;
    BomFileChooser *m_chooser = &m_dialogs;
    BomPrinterChooser *m_printerChooser = nullptr;
};
