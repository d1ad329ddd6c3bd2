#include "bom/specsettingsfile.h"

#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cmath>

namespace {

// The largest settings file read: a few lines of text.
constexpr qint64 MaxSize = 64 * 1024;

const QString FileName = QStringLiteral("specification-form.txt");

struct UnitName
{
    SpecMassUnit unit;
    const char *name;
};
constexpr UnitName UnitNames[] = {{SpecMassUnit::Tonnes1, "t1"},
                                  {SpecMassUnit::Tonnes2, "t2"},
                                  {SpecMassUnit::Tonnes3, "t3"},
                                  {SpecMassUnit::Kilograms, "kg"}};

QString unitText(SpecMassUnit unit)
{
    for (const UnitName &u : UnitNames)
        if (u.unit == unit)
            return QString::fromLatin1(u.name);
    return QStringLiteral("t2");
}

// A value on one line: line breaks typed into a field would end it.
QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

void apply(SpecSettings &s, const QString &name, const QString &value)
{
    MetalForm::Allowance &allowance = s.spec.form.allowance;
    if (name == QLatin1String("project"))
        s.spec.heading.project = value;
    else if (name == QLatin1String("sheet"))
        s.spec.heading.sheet = value;
    else if (name == QLatin1String("grade"))
        s.nextGrade = value;
    else if (name == QLatin1String("group"))
        s.nextGroup = value;
    else if (name == QLatin1String("allowance"))
        allowance.on = value == QLatin1String("on");
    else if (name == QLatin1String("allowance-caption"))
        allowance.caption = value;
    else if (name == QLatin1String("allowance-percent")) {
        bool ok = false;
        const double percent = value.toDouble(&ok); // the file's point, whatever the locale
        if (ok && std::isfinite(percent) && percent >= 0 && percent <= 100)
            allowance.percent = percent;
    } else if (name == QLatin1String("unit")) {
        for (const UnitName &u : UnitNames)
            if (value == QLatin1String(u.name))
                s.spec.form.unit = u.unit;
    }
}

} // namespace

bool SpecSettings::operator==(const SpecSettings &o) const
{
    const MetalForm::Allowance &a = spec.form.allowance;
    const MetalForm::Allowance &b = o.spec.form.allowance;
    return spec.heading.project == o.spec.heading.project && spec.heading.sheet == o.spec.heading.sheet
           && spec.form.unit == o.spec.form.unit && a.on == b.on && a.caption == b.caption && a.percent == b.percent
           && nextGrade == o.nextGrade && nextGroup == o.nextGroup;
}

namespace SpecSettingsFile {

QString pathBeside(const QString &keptListPath)
{
    return QFileInfo(keptListPath).absolutePath() + QLatin1Char('/') + FileName;
}

QByteArray write(const SpecSettings &s)
{
    const MetalForm::Allowance &allowance = s.spec.form.allowance;
    const QList<std::pair<const char *, QString>> lines{
        {"project", s.spec.heading.project},
        {"sheet", s.spec.heading.sheet},
        {"unit", unitText(s.spec.form.unit)},
        {"allowance", allowance.on ? QStringLiteral("on") : QStringLiteral("off")},
        {"allowance-caption", allowance.caption},
        {"allowance-percent", QString::number(allowance.percent, 'g', 15)},
        {"grade", s.nextGrade},
        {"group", s.nextGroup}};
    QString text;
    for (const auto &[name, value] : lines)
        text += QString::fromLatin1(name) + QLatin1Char('=') + oneLine(value) + QLatin1Char('\n');
    return text.toUtf8();
}

SpecSettings parse(const QByteArray &bytes)
{
    SpecSettings settings;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            apply(settings, line.left(equals).trimmed(), line.mid(equals + 1));
    }
    return settings;
}

SpecSettings load(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxSize || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(MaxSize));
}

QString save(const QString &path, const SpecSettings &settings)
{
    return SafeFile::write(path, write(settings));
}

} // namespace SpecSettingsFile
