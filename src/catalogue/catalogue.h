#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// The catalogue of product kinds: every button of the kind toolbars T2 to T5 with the standard
// it shows, its drawing, its record source in the reference base, the grid's column width and
// the calculation state it sets. The texts stand exactly as the program shows and asks for
// them, double blanks included.
namespace Catalogue {

// The electric-welded pipes button asks which table to open; the answer picks the row.
enum class PipeAnswer { Any, No, Yes };

// The inputs a kind enables beyond its group's defaults: the two mesh kinds work by area.
enum class Inputs { GroupDefaults, Mesh };

struct Kind
{
    int toolbar; // 2 to 5
    int button;  // 1-based
    PipeAnswer answer;
    int columnWidth; // twips
    int16_t calcMode;
    int16_t massColumn;
    int16_t unitMassDivisor;
    std::optional<float> unitMass; // only the kinds without a mass column fix it
    const char *title;
    // The standards of the kind's table, as the notes of the data panel name them ("ГОСТ 8509-93",
    // "ГОСТ 5336-80 и ГОСТ 3826-82"), also for the kinds whose title names none.
    const char *standard;
    const char *pictureFile;
    const char *recordSource;
    Inputs inputs = Inputs::GroupDefaults;
    bool cellShapeOptions = false; // the woven mesh shows "Ромб" and "Квадрат"
};

// The enabled state of the four inputs (and their labels) when a kind of a toolbar is chosen.
struct InputStates
{
    bool width;
    bool length;
    bool pieces;
    bool area;
};

// The toolbar button whose press asks the pipe question.
inline constexpr int PipeToolbar = 2;
inline constexpr int PipeButton = 13;

const QList<Kind> &kinds();
// The kind behind a button; nothing for a button that is not on the toolbars.
std::optional<Kind> find(int toolbar, int button, PipeAnswer answer = PipeAnswer::Any);
// Tooltips of a toolbar's buttons in button order; toolbar 1 is the group toolbar.
QStringList toolTips(int toolbar);
InputStates groupInputs(int toolbar);
InputStates meshInputs();

} // namespace Catalogue
