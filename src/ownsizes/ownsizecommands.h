#pragma once

#include "catalogue/recordsource.h"
#include "ownsizes/ownsizedialog.h"
#include "ownsizes/ownsizestore.h"

#include <QObject>
#include <QPointer>

#include <optional>

class CalculatorHost;
class CalculatorSession;
class QAction;

// The user's own sizes in the main window: the data source shows them after the base's rows
// of every table, and the size grid's context menu and keys add one ("Добавить размер…",
// Insert), change one ("Изменить…", Enter) or remove one ("Удалить", Delete, after a question).
// The base's rows can be neither changed nor removed.
class OwnSizeCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OwnSizeCommands)

public:
    explicit OwnSizeCommands(CalculatorHost &host);

    // The commands on the size grid of the host's window.
    static OwnSizeCommands *attachTo(CalculatorHost &host);

    OwnSizeStore &store() { return m_store; }
    QAction *addCommand() const { return m_add; }
    QAction *changeCommand() const { return m_change; }
    QAction *removeCommand() const { return m_remove; }
    // The dialog open now, if any.
    OwnSizeDialog *dialog() const { return m_dialog; }

    void addSize();
    void changeSize();
    void removeSize();

private:
    // The table of the chosen kind as the grid shows it, and the own row that is current.
    struct Shown
    {
        QString table;
        RecordSource source;
        int ownIndex = -1;
    };
    std::optional<Shown> shown() const;
    QAction *command(const QString &name, const QString &text, const QList<QKeySequence> &keys,
                     void (OwnSizeCommands::*run)());
    void updateCommands();
    void openDialog(const Shown &shown, int index);

    CalculatorHost &m_host;
    CalculatorSession &m_session;
    OwnSizeStore m_store;
    QAction *m_add = nullptr;
    QAction *m_change = nullptr;
    QAction *m_remove = nullptr;
    QPointer<OwnSizeDialog> m_dialog;
};
