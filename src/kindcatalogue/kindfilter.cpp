#include "kindcatalogue/kindfilter.h"

KindFilter::KindFilter(const QString &typed)
    : m_words(folded(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts))
{
}

QString KindFilter::folded(const QString &text)
{
    QString result = text.toLower();
    result.replace(QChar(0x0451), QChar(0x0435)); // ё as е
    // Dashes and the other separators a designer may type or leave out count as blanks.
    for (QChar &c : result)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('.'))
            c = QLatin1Char(' ');
    return result;
}

QString KindFilter::searchText(const Catalogue::Kind &kind)
{
    QStringList texts{QString::fromUtf8(kind.title), QString::fromUtf8(kind.standard)};
    for (const Catalogue::Group &group : Catalogue::groups()) {
        if (group.toolbar != kind.toolbar)
            continue;
        texts.append(group.name);
        if (Catalogue::hasButton(kind))
            texts.append(group.buttons.value(kind.button - 1));
    }
    return folded(texts.join(QLatin1Char(' ')));
}

bool KindFilter::matches(const Catalogue::Kind &kind) const
{
    const QString text = searchText(kind);
    for (const QString &word : m_words)
        if (!text.contains(word))
            return false;
    return true;
}
