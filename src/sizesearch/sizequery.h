#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A size as a designer types it ("57х3,5", "57x3.5", "50 5", "20Б1", "М12х60") and the test
// whether a row of a size table begins with it.
//
// The text is cut into pieces at blanks, "*", "×", ";", a comma that is no decimal comma, and
// an "х" or "x" (either alphabet, either case) standing between a number and the next one.
// Cells are cut the same way, and the pieces of a row are those of its cells from column 0 on.
// The query's pieces must match the row's first pieces in order:
// - a number matches a cell of the same value ("2" is "2.0", "3,5" is "3.5"), or a designation
//   that starts with it and goes on with a letter ("20" finds "20Б1", "6,5" finds "6,5У");
// - a number behind a sign or letters ("М12", "Ø57", "L50", "t10") matches a cell of that value;
// - any other piece matches a cell piece of the same letters, in any case, a Latin letter also
//   standing for the Cyrillic one it looks like or is written as ("20B1" is "20Б1", "P65" is
//   "Р65", "20Sh1" is "20Ш1"); the last piece may be the beginning of the cell's ("20Б", "4 чеч");
// - a number repeated ("50х50х5", "40х40х2") may stand for the same cell twice, as equal legs
//   and square sides are written;
// - a word before a number may be joined to it ("М 12", "Р 65"), and words before the size are
//   passed over when the row does not start with them ("Труба 57х3,5", "Болт М12х60").
class SizeQuery
{
public:
    explicit SizeQuery(const QString &typed);

    bool isEmpty() const { return m_pieces.isEmpty(); }
    // Whether the row whose cells are these, in column order, begins with the size.
    bool matches(const QStringList &cells) const;

    // A piece of a query or of a cell, folded for comparing.
    struct Piece
    {
        QString text;                        // lower case, look-alike Latin letters as Cyrillic
        QList<QString> letters;              // queries: the letters each character may stand for
        std::optional<double> number;        // the whole piece is a number
        std::optional<double> signedNumber;  // a number behind a sign or letters ("М12")
        std::optional<double> designation;   // a number followed by a letter ("20Б1")
        bool word = false;                   // letters only
    };
    static QList<Piece> cellPieces(const QString &cell);

private:
    bool matchFrom(const QList<Piece> &row, qsizetype query, qsizetype cell, bool repeatable) const;
    bool pieceMatches(const Piece &query, const Piece &cell, bool last) const;

    QList<Piece> m_pieces;
    QList<std::optional<Piece>> m_joined; // a word and the piece after it, as one piece
};
