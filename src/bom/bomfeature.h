#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomcapture.h"
#include "bom/bomrestore.h"
#include "bom/keptlist.h"

#include <QObject>
#include <QPointer>

#include <memory>

class BomWindow;
class CalculatorHost;
class CalculatorSession;
class QWidget;

// The materials list on the main window: "Добавить в спецификацию" (Ctrl+Enter, either Enter
// key; the results' and the grid's context menus; the small button beside the group toolbar)
// and "Спецификация…" (Ctrl+L) that shows the list window. The list is the one kept in the
// user's data directory: read when first needed, written whole after every change, and never
// written before one.
class BomFeature : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BomFeature)

public:
    static BomFeature *attachTo(CalculatorHost &host);
    ~BomFeature() override;

    BillOfMaterials &list();
    // The list window, made when first asked for.
    BomWindow *listWindow();
    QString keptListPath() const;
    // Where the list window's place is kept between runs; empty without a data directory.
    QString windowPlacesPath() const;

    // What the calculator shows now, made an item; nothing, and why, without a kind and a
    // size, or without a result.
    std::optional<BomItem> currentItem(QString *why) const;
    // Adds the current result to the list, or says why not.
    bool addCurrent();
    void showList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BomFeature(CalculatorHost &host);
    void ensureLoaded();
    BaseKindRows &rows();
    void saveKeptList();
    void saveSettings();
    void tell(const QString &text);

    CalculatorHost &m_host;
    QWidget &m_window; // the host's, whose events the feature watches
    CalculatorSession &m_session;
    BillOfMaterials m_list;
    KeptList m_kept;
    std::unique_ptr<BaseKindRows> m_rows;
    QPointer<BomWindow> m_listWindow;
    bool m_loaded = false;
    bool m_saveFailed = false;
    QString m_saveNote; // what the last saving told: a failure, a merge; empty for neither
};
