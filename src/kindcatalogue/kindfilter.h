#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringList>

// Which kinds answer what the user types in the kinds' catalogue: every word typed must stand
// in the kind's name, its standard or its designation as a designer writes them (its title, its
// button's tooltip, its group, "ГОСТ Р 57837-2017"), in any case and with ё as е, so "полоса",
// "30245", "57837" and "гост 103" each find their kinds.
class KindFilter
{
public:
    explicit KindFilter(const QString &typed);

    bool matches(const Catalogue::Kind &kind) const;
    // Nothing typed: every kind answers.
    bool isEmpty() const { return m_words.isEmpty(); }

    // The texts a kind is found by, as one text in the filter's form.
    static QString searchText(const Catalogue::Kind &kind);

private:
    static QString folded(const QString &text);

    QStringList m_words;
};
