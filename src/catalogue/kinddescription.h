#pragma once

#include "catalogue/catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The kinds' description as the program reads it (JSON, data/catalogue/kinds.json): the groups
// of the group toolbar and every kind, read into the catalogue's table. The description keeps the
// texts and figures its kinds point at, so the kinds stay sound while it, or a copy, lives.
class KindDescription
{
public:
    // The description of the text; nothing, with why in error, for a text that is no sound
    // description (no JSON, a field missing or of the wrong type, an unknown rule or shape, a
    // kind of no group or an identity given twice).
    static std::optional<KindDescription> read(const QByteArray &json, QString *error = nullptr);
    // The description built into the program.
    static const KindDescription &builtIn();

    const QList<Catalogue::Group> &groups() const { return m_groups; }
    const QList<Catalogue::Kind> &kinds() const { return m_kinds; }

private:
    KindDescription() = default;

    // A text of the description kept as UTF-8 for the kinds' texts; nullptr for an empty one.
    const char *keep(const QString &text);
    const float *keep(const QList<float> &figures);

    friend class KindReader;

    QList<QByteArray> m_texts;
    QList<QList<float>> m_figures;
    QList<Catalogue::Group> m_groups;
    QList<Catalogue::Kind> m_kinds;
};
