#include "surfacecommands/surfacecommands.h"

#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "platform/usermessages.h"
#include "session/calculatorsession.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QWidget>

namespace {

// Three decimals of a square metre: 10 cm², below what a paint order counts.
constexpr int SurfaceDecimals = 3;

} // namespace

SurfaceCommands::SurfaceCommands(CalculatorHost &host)
    : QObject(&host.parentWindow())
    , m_host(host)
    , m_onePiece(new QAction(QStringLiteral("Площадь поверхности 1 шт."), &host.parentWindow()))
    , m_allPieces(new QAction(QStringLiteral("Площадь поверхности всех шт."), &host.parentWindow()))
{
    setObjectName(QStringLiteral("SurfaceCommands"));
    m_onePiece->setObjectName(QStringLiteral("SurfaceOnePiece"));
    m_allPieces->setObjectName(QStringLiteral("SurfaceAllPieces"));
    connect(m_onePiece, &QAction::triggered, this, [this] { tell(false); });
    connect(m_allPieces, &QAction::triggered, this, [this] { tell(true); });
    // The results follow every change of the session; so do the entries.
    CalculatorSession &session = host.session();
    connect(&session, &CalculatorSession::outcomeChanged, this, &SurfaceCommands::follow);
    connect(&session, &CalculatorSession::kindChanged, this, &SurfaceCommands::follow);
    follow();
}

void SurfaceCommands::attachTo(CalculatorHost &host)
{
    auto *commands = new SurfaceCommands(host);
    host.addCommand(commands->m_onePiece, CalculatorHost::Place::Results);
    host.addCommand(commands->m_allPieces, CalculatorHost::Place::Results);
}

std::optional<KindSurface::PieceSurface> SurfaceCommands::current() const
{
    const CalculatorSession &session = m_host.session();
    const Catalogue::Kind *kind = session.kind();
    if (!kind || !session.sizesShown())
        return std::nullopt;
    const std::optional<double> perUnit =
        KindSurface::perUnit(*kind, session.row(), [&session](int column) { return session.cell(column); });
    if (!perUnit)
        return std::nullopt;
    return KindSurface::ofPieces(*kind, *perUnit, session.inputs(), session.state().LengthDivisor);
}

void SurfaceCommands::follow()
{
    const bool known = current().has_value();
    m_onePiece->setEnabled(known);
    m_allPieces->setEnabled(known);
}

void SurfaceCommands::tell(bool allPieces)
{
    const std::optional<KindSurface::PieceSurface> surface = current();
    if (!surface)
        return;
    const QString figure = QLocale().toString(allPieces ? surface->total : surface->onePiece, 'f', SurfaceDecimals);
    QGuiApplication::clipboard()->setText(figure);
    const QString what = allPieces ? QStringLiteral("всех шт.") : QStringLiteral("1 шт.");
    m_host.environment().messages->show(
        {QStringLiteral("Площадь наружной поверхности %1: %2 м2\n(скопировано в буфер обмена)").arg(what, figure),
         QStringLiteral("Площадь поверхности"), UserMessages::Icon::Information, UserMessages::Buttons::Ok});
}
