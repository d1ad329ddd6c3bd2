#include "platform/filenamecase.h"

namespace FileNameCase {

Rule ofThisSystem()
{
#ifdef Q_OS_WIN
    return Rule::Insensitive;
#else
    return Rule::Sensitive;
#endif
}

QString recorded(const QString &directory, Rule rule)
{
    return rule == Rule::Insensitive ? directory.toLower() : directory;
}

bool same(const QString &a, const QString &b, Rule rule)
{
    return a.compare(b, rule == Rule::Insensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

} // namespace FileNameCase
