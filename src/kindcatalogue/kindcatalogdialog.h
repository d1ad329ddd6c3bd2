#pragma once

#include <QDialog>
#include <QHash>

class CalculatorHost;
class CalculatorSession;
class QTreeWidget;
class QTreeWidgetItem;

// "Каталог изделий": every kind of the catalogue, the toolbars' and those beyond them, under the
// four groups, found by what is typed in the filter (its name, standard or designation). Choosing
// one (a double click, Enter, "Выбрать") chooses it in the calculator as a kind press does,
// with no toolbar button left down, and closes the window, which keeps what was typed.
class KindCatalogDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KindCatalogDialog)

public:
    explicit KindCatalogDialog(CalculatorHost &host);

    // The command "Каталог изделий…" (Ctrl+K, and in the size grid's context menu).
    static void attachTo(CalculatorHost &host);
    // Shows the window's catalogue, made at the first call, the filter focused.
    static KindCatalogDialog *openOver(CalculatorHost &host);

    // Shows only the kinds the text finds, the first of them current.
    void filter(const QString &typed);
    // Makes the kind of the identity current, as a click on it does; false for one not shown.
    bool setCurrentKind(const QString &id);
    // Chooses the current kind; nothing without one.
    void chooseCurrent();
    // The identities of the kinds shown, in the window's order.
    QStringList shownKinds() const;

private:
    void fillTree();
    template<typename T> T *control(const char *name) const;

    CalculatorSession &m_session;
    QTreeWidget *m_tree;
    QHash<QString, QWidget *> m_controls;
};
