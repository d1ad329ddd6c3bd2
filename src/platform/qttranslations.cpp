#include "platform/qttranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace QtTranslations {

QTranslator *install(const QLocale &locale, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), directory))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace QtTranslations
