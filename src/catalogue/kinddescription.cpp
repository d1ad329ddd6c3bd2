#include "catalogue/kinddescription.h"

#include "catalogue/kindreader.h"

#include <QFile>

std::optional<KindDescription> KindDescription::read(const QByteArray &json, QString *error)
{
    KindDescription description;
    KindReader reader(description);
    if (!reader.read(json)) {
        if (error)
            *error = reader.error();
        return std::nullopt;
    }
    return description;
}

const KindDescription &KindDescription::builtIn()
{
    // The description is part of the program: one that cannot be read is a fault of the build,
    // which the data tests catch; the program then has no kinds rather than wrong ones.
    static const KindDescription description = [] {
        QFile file(QStringLiteral(":/catalogue/kinds.json"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("The kinds' description is not in the program");
            return KindDescription();
        }
        QString error;
        std::optional<KindDescription> read = KindDescription::read(file.readAll(), &error);
        if (!read) {
            qWarning("The kinds' description cannot be read: %s", qUtf8Printable(error));
            return KindDescription();
        }
        return *read;
    }();
    return description;
}

const char *KindDescription::keep(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    m_texts.append(text.toUtf8());
    return m_texts.constLast().constData();
}

const float *KindDescription::keep(const QList<float> &figures)
{
    if (figures.isEmpty())
        return nullptr;
    m_figures.append(figures);
    return m_figures.constLast().constData();
}
