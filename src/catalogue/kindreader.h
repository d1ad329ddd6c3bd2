#pragma once

#include "catalogue/catalogue.h"

#include <QJsonObject>
#include <QString>

class KindDescription;

// Reads the kinds' description (JSON) into a KindDescription, field by field, stopping at the
// first fault with a message that names the kind and the field.
class KindReader
{
public:
    explicit KindReader(KindDescription &description) : m_description(description) {}

    bool read(const QByteArray &json);
    const QString &error() const { return m_error; }

private:
    bool readGroup(const QJsonObject &object);
    bool readKind(const QJsonObject &object);
    bool readPlace(const QJsonObject &object, Catalogue::Kind &kind);
    bool readRule(const QJsonObject &object, Catalogue::Kind &kind);
    bool readTexts(const QJsonObject &object, Catalogue::Kind &kind);
    bool readDesignation(const QJsonObject &object, Catalogue::Kind &kind);
    bool readSpecEntry(const QJsonObject &object, Catalogue::Kind &kind);
    bool readDrawingsAndMesh(const QJsonObject &object, Catalogue::Kind &kind);
    bool readSurface(const QJsonObject &object, Catalogue::Kind &kind);
    std::optional<Catalogue::InputStates> readInputs(const QJsonValue &value);

    // The field of the object: a text, a whole number, a figure; each fails (and says so)
    // when the field is missing and required, or of another type.
    std::optional<QString> text(const QJsonObject &object, const char *field, bool required = true);
    std::optional<int> number(const QJsonObject &object, const char *field, std::optional<int> otherwise = {});
    bool fail(const QString &why);

    KindDescription &m_description;
    QString m_where;
    QString m_error;
};
