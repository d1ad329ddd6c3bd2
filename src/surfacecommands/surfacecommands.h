#pragma once

#include "catalogue/kindsurface.h"

#include <QObject>

#include <optional>

class CalculatorHost;
class QAction;

// The outer surface of what is computed, for paint and fire protection: "Площадь поверхности
// 1 шт." and "Площадь поверхности всех шт." in the results' context menus, each told in a
// message and put on the clipboard as the results' copy buttons put a mass. The entries are
// enabled while the chosen kind and size have a surface.
class SurfaceCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SurfaceCommands)

public:
    explicit SurfaceCommands(CalculatorHost &host);

    static void attachTo(CalculatorHost &host);

    // The surface of the pieces as the session stands; nothing where there is none.
    std::optional<KindSurface::PieceSurface> current() const;

private:
    void follow();
    void tell(bool allPieces);

    CalculatorHost &m_host;
    QAction *m_onePiece;
    QAction *m_allPieces;
};
