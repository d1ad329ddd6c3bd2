#include "sizesearch/sizequery.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "х" and "x" (Cyrillic and Latin, already in lower case) and the multiplication sign.
bool isTimes(QChar c)
{
    return c == QLatin1Char('x') || c == QChar(0x0445);
}

bool isSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char('*') || c == QChar(0x00D7) || c == QChar(0x00B7)
           || c == QLatin1Char(';') || c == QLatin1Char('=');
}

// The nearest character before (step -1) or after (step 1) position i that is not a blank.
QChar nearestNonBlank(const QString &text, qsizetype i, int step)
{
    for (qsizetype j = i + step; j >= 0 && j < text.size(); j += step)
        if (!text.at(j).isSpace())
            return text.at(j);
    return QChar();
}

// Latin spellings of Cyrillic letters that take two Latin letters.
QString joinDigraphs(QString text)
{
    text.replace(QStringLiteral("sh"), QStringLiteral("ш"));
    text.replace(QStringLiteral("ch"), QStringLiteral("ч"));
    text.replace(QStringLiteral("zh"), QStringLiteral("ж"));
    return text;
}

// Cuts a text (in lower case) into its raw pieces; a decimal comma becomes a point.
QStringList splitPieces(const QString &text)
{
    QStringList pieces;
    QString piece;
    const auto endPiece = [&] {
        if (!piece.isEmpty())
            pieces.append(piece);
        piece.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool digitBefore = i > 0 && isDigit(text.at(i - 1));
        const bool digitAfter = i + 1 < text.size() && isDigit(text.at(i + 1));
        if (c == QLatin1Char(',')) {
            if (digitBefore && digitAfter)
                piece.append(QLatin1Char('.'));
            else
                endPiece();
        } else if (isSeparator(c)) {
            endPiece();
        } else if (isTimes(c) && isDigit(nearestNonBlank(text, i, -1))) {
            // A dimension sign after a number, before the next number or at the end ("57х").
            const QChar next = nearestNonBlank(text, i, 1);
            if (next.isNull() || isDigit(next) || next == QLatin1Char('.') || next == QLatin1Char(','))
                endPiece();
            else
                piece.append(c);
        } else {
            piece.append(c);
        }
    }
    endPiece();
    return pieces;
}

// A Latin letter that looks like a Cyrillic one is taken as that one, in cells and queries.
QChar fold(QChar c)
{
    static const QString latin = QStringLiteral("abcehkmoptxy");
    static const QString cyrillic = QStringLiteral("авсенкмортху");
    if (c == QChar(0x0451)) // ё
        return QChar(0x0435);
    const qsizetype at = latin.indexOf(c);
    return at < 0 ? c : cyrillic.at(at);
}

// The Cyrillic letters a Latin letter typed on the other keyboard layout may stand for, besides
// its look-alike: by sound ("b" for "б", "p" for "п", "d" for "д") or by shape ("n" for "п").
QString spelledAs(QChar c)
{
    static const std::pair<char, const char *> letters[] = {
        {'a', "а"}, {'b', "б"}, {'c', "ц"}, {'d', "д"}, {'e', "э"}, {'f', "ф"}, {'g', "г"},
        {'h', "х"}, {'i', "и"}, {'j', "й"}, {'k', "к"}, {'l', "л"}, {'m', "м"}, {'n', "нп"},
        {'o', "о"}, {'p', "п"}, {'r', "р"}, {'s', "с"}, {'t', "т"}, {'u', "у"}, {'v', "в"},
        {'y', "ы"}, {'z', "з"},
    };
    for (const auto &[latin, cyrillic] : letters)
        if (c == QLatin1Char(latin))
            return QString::fromUtf8(cyrillic);
    return QString();
}

// A size is written without its unit as often as with it: "10мм" is "10".
QString withoutMillimetres(const QString &text)
{
    static const QRegularExpression millimetres(QStringLiteral("^(.*\\d)мм$"));
    const QRegularExpressionMatch m = millimetres.match(text);
    return m.hasMatch() ? m.captured(1) : text;
}

std::optional<double> numberOf(const QRegularExpression &pattern, const QString &text)
{
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = m.captured(1).toDouble(&ok); // the C notation, whatever the locale
    return ok ? std::optional<double>(value) : std::nullopt;
}

SizeQuery::Piece makePiece(const QString &raw, bool query)
{
    static const QRegularExpression whole(QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)$"));
    static const QRegularExpression behindSign(QStringLiteral("^[^\\d.]+(\\d+(?:\\.\\d+)?)$"));
    static const QRegularExpression designation(QStringLiteral("^(\\d+(?:\\.\\d+)?)\\p{L}"));
    SizeQuery::Piece piece;
    for (QChar c : raw) {
        const QChar folded = fold(c);
        piece.text.append(folded);
        if (query)
            piece.letters.append(QString(folded) + spelledAs(c));
    }
    const QString bare = withoutMillimetres(piece.text);
    if (bare.size() < piece.text.size()) {
        piece.text = bare;
        piece.letters.resize(bare.size());
    }
    piece.number = numberOf(whole, piece.text);
    piece.signedNumber = numberOf(behindSign, piece.text);
    piece.designation = numberOf(designation, piece.text);
    piece.word = std::all_of(piece.text.cbegin(), piece.text.cend(), [](QChar c) { return c.isLetter(); });
    return piece;
}

// The pieces of a text; a unit standing alone ("10 мм") is dropped.
QList<SizeQuery::Piece> piecesOf(const QStringList &raw, bool query)
{
    QList<SizeQuery::Piece> pieces;
    for (const QString &text : raw) {
        SizeQuery::Piece piece = makePiece(text, query);
        if (piece.text != QStringLiteral("мм"))
            pieces.append(piece);
    }
    return pieces;
}

QStringList rawQueryPieces(const QString &typed)
{
    QStringList raw;
    for (const QString &piece : splitPieces(typed.toLower())) {
        const SizeQuery::Piece folded = makePiece(piece, false);
        if (folded.text != QStringLiteral("мм"))
            raw.append(joinDigraphs(piece));
    }
    return raw;
}

} // namespace

SizeQuery::SizeQuery(const QString &typed)
{
    const QStringList raw = rawQueryPieces(typed);
    m_pieces = piecesOf(raw, true);
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        const bool joins = m_pieces.at(i).word && i + 1 < m_pieces.size();
        m_joined.append(joins ? std::optional<Piece>(makePiece(raw.at(i) + raw.at(i + 1), true))
                              : std::nullopt);
    }
}

QList<SizeQuery::Piece> SizeQuery::cellPieces(const QString &cell)
{
    return piecesOf(splitPieces(cell.toLower()), false);
}

bool SizeQuery::matches(const QStringList &cells) const
{
    if (m_pieces.isEmpty())
        return false;
    // No match takes more cell pieces than the query has pieces.
    QList<Piece> row;
    for (const QString &cell : cells) {
        if (row.size() >= m_pieces.size())
            break;
        row.append(cellPieces(cell));
    }
    // Words before the size are passed over when the row does not start with them.
    for (qsizetype start = 0; start < m_pieces.size(); ++start) {
        if (matchFrom(row, start, 0, false))
            return true;
        if (!m_pieces.at(start).word)
            break;
    }
    return false;
}

bool SizeQuery::matchFrom(const QList<Piece> &row, qsizetype query, qsizetype cell, bool repeatable) const
{
    const qsizetype count = m_pieces.size();
    if (query == count)
        return true;
    const Piece &piece = m_pieces.at(query);
    const bool last = query + 1 == count;
    if (cell < row.size() && pieceMatches(piece, row.at(cell), last)
        && matchFrom(row, query + 1, cell + 1, true))
        return true;
    // The same number again stands for the cell just matched: 50х50х5 is the angle 50 x 5.
    if (repeatable && piece.number && m_pieces.at(query - 1).number == piece.number
        && matchFrom(row, query + 1, cell, false))
        return true;
    const std::optional<Piece> &joined = m_joined.at(query);
    return joined && cell < row.size() && pieceMatches(*joined, row.at(cell), query + 2 == count)
           && matchFrom(row, query + 2, cell + 1, true);
}

bool SizeQuery::pieceMatches(const Piece &query, const Piece &cell, bool last) const
{
    if (query.number)
        return cell.number == query.number || cell.designation == query.number;
    if (query.signedNumber && cell.number == query.signedNumber)
        return true;
    const qsizetype size = query.letters.size();
    const bool prefix = last && std::any_of(query.text.cbegin(), query.text.cend(),
                                            [](QChar c) { return c.isLetter(); });
    if (prefix ? cell.text.size() < size : cell.text.size() != size)
        return false;
    for (qsizetype i = 0; i < size; ++i)
        if (!query.letters.at(i).contains(cell.text.at(i)))
            return false;
    return true;
}
