#pragma once

#include "calc/massrules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The catalogue of product kinds: one table, one entry per kind, holding everything the
// program needs of a kind: its identity, where its button stands, the standard it shows, its
// drawings, its record source in the reference base, the grid's column width, the calculation
// rule it sets, the size rules of the mesh tables, how the materials list writes its size and
// how its outer surface is worked out. The table is read from the kinds' description
// (data/catalogue/kinds.json, built into the program) at its first use, and lives as long as
// the program: its texts are UTF-8 kept by the catalogue, as the kinds' users have always read
// them. The texts stand exactly as the program shows and asks for them, double blanks included.
namespace Catalogue {

// The electric-welded pipes button asks which table to open; the answer picks the kind.
enum class PipeAnswer { Any, No, Yes };

// The two mesh tables change their rule by the position of the size row.
enum class MeshForm {
    None,
    // Up to lastRow made with a rhombic or a square cell (mass columns 3 and 4, options "Ромб"
    // and "Квадрат"); woven cloth after it, its mass in column 6.
    Woven,
    // Up to lastRow rolls whose mass of 1 m² is fixed, one figure a row; after it the mass
    // comes from the wire spacings and the chosen wire diameter ("3мм", "4мм", "5мм").
    Welded,
};

struct MeshRule
{
    MeshForm form = MeshForm::None;
    int lastRow = -1; // 0-based position of the last row of the first rule
    // The welded rolls' masses of 1 m², kg, one for each row up to lastRow.
    const float *rollMasses = nullptr;
};

// A kind drawn in two pictures: rows up to lastRowOfFirst show the first.
struct RowDrawings
{
    int lastRowOfFirst = -1;
    const char *first = nullptr;
    const char *second = nullptr;
};

// How a designer writes an item of the kind in the materials list.
struct Designation
{
    // {n} stands for the text of column n of the row, its decimal point written the
    // regional way; {n:n} for its figure in as few digits as give it ("8.0" written "8").
    const char *size;
    // The row's own standard, the same way; nullptr, or an empty text in the row: the title's.
    const char *standard = nullptr;
    // Tables that hold two standards in stored order: rows after this one are of the other.
    int standardLastRow = -1;
    const char *standardAfter = nullptr;
    // The size as lists kept before the present pattern wrote it ("50×5" of an angle now
    // "L50×5"): such a list still opens.
    const char *formerSize = nullptr;
};

// Where the technical specification of metal of a drawing counts the kind: rolled products and
// sheet in its form, fasteners in the statement of fasteners, reinforcement, wire and mesh in the
// statement of reinforcement steel.
enum class SpecClass { Rolled, Sheet, Fastener, Reinforcement };

struct SpecEntry
{
    SpecClass specClass;
    // The form's profile name, in the plural and before the standard ("Двутавры" of
    // "Двутавры ГОСТ 26020-83"); a statement's name of one piece ("Болт") or of the product.
    const char *name;
    // The property class the designation carries (ГОСТ 1759.0: "5.8" of a bolt, "5" of a nut),
    // as offered first; nullptr for a kind whose designation names none.
    const char *propertyClass = nullptr;
};

// The enabled state of the four inputs (and their labels).
struct InputStates
{
    bool width;
    bool length;
    bool pieces;
    bool area;

    bool operator==(const InputStates &) const = default;
};

// The shapes whose outer surface SectionSurface works out, and sheet (both faces).
enum class SurfaceShape { Round, Square, Flat, Hollow, Beam, Channel, Angle, BentChannel, BentAngle, Sheet };

// How the outer surface of a row is worked out: the shape and the 0-based columns of the row
// holding its dimensions in the order SectionSurface takes them; -1 for a radius the table
// does not give (a sharp corner). A rule with lastRow applies up to that row, the first such.
struct SurfaceRule
{
    int lastRow = -1; // -1: every row the rules before it leave
    SurfaceShape shape = SurfaceShape::Round;
    QList<int> columns;
};

struct Kind
{
    // The kind's own identity, whatever calls it up: a toolbar button, a search, a file.
    QString id;
    // Where its button stands: the toolbar of its group (2 to 5, the group button toolbar - 1)
    // and the 1-based button there; the two pipe tables share one button and its question.
    int toolbar;
    int button;
    PipeAnswer answer;
    int columnWidth; // twips
    CalcModeCode calcMode;
    int16_t massColumn; // a column of the row, or a MassSource
    int16_t unitMassDivisor;
    std::optional<float> unitMass; // only the kinds without a mass column fix it
    const char *title;
    // The standards of the kind's table, as the notes of the data panel name them ("ГОСТ 8509-93",
    // "ГОСТ 5336-80 и ГОСТ 3826-82"), also for the kinds whose title names none.
    const char *standard;
    const char *pictureFile;
    const char *recordSource;
    SpecEntry spec;
    Designation designation;
    RowDrawings drawings = {};
    MeshRule mesh = {};
    // The inputs the kind reads: its group's, or its own (the meshes read the area alone).
    InputStates inputs = {false, true, true, false};
    // No rules: the kind has no surface (fasteners, meshes, rails).
    QList<SurfaceRule> surface = {};
};

// A group of the group toolbar: the toolbar of its kinds, its name and its buttons' tooltips.
struct Group
{
    int toolbar;
    QString name;
    InputStates inputs;
    QStringList buttons;
};

// The toolbar button whose press asks the pipe question.
inline constexpr int PipeToolbar = 2;
inline constexpr int PipeButton = 13;
// The toolbar of the reinforcement and mesh group, whose kinds hide the mesh options first.
inline constexpr int ReinforcementToolbar = 3;

// Every kind: those of the toolbars in button order, each group's further kinds (reached from
// the kinds' catalogue window only, button 0) after its own.
const QList<Kind> &kinds();
// The four groups in the group toolbar's order.
const QList<Group> &groups();
// The kind of an identity; nothing for an identity the catalogue does not hold.
const Kind *find(const QString &id);
// The kind behind a button; nothing for a button that is not on the toolbars.
std::optional<Kind> find(int toolbar, int button, PipeAnswer answer = PipeAnswer::Any);
// Whether the button asks the pipe question before its kind is known.
bool asksPipeQuestion(int toolbar, int button);
// Tooltips of a toolbar's buttons in button order; toolbar 1 is the group toolbar.
QStringList toolTips(int toolbar);
InputStates groupInputs(int toolbar);
InputStates meshInputs();
// The inputs a kind reads: its group's, or the area alone for the mesh kinds.
InputStates inputsOf(const Kind &kind);
// Whether the kind has a button on a toolbar.
bool hasButton(const Kind &kind);

} // namespace Catalogue
