#pragma once

#include <QObject>
#include <QString>

#include <functional>

class UrlLauncher;

// The site link: a click on the maker's host name opens the maker's web site in the default
// browser, without waiting and without looking at the outcome.
namespace SiteLink {

// The site address (Maker::SiteAddress).
QString address();

// The directory the opener starts in: the executable's directory in the platform's own
// separators, without a separator added (a root keeps its own).
QString startDirectory(const QString &executableDir);

// Label7_Click: hands the site address to the launcher, once per call.
void open(UrlLauncher &launcher, const QString &executableDir);

} // namespace SiteLink

// Makes a control that has no click of its own clickable: installed as an event filter on it,
// calls onClick when the left button is released over it after being pressed there.
class ClickFilter : public QObject
{
public:
    ClickFilter(std::function<void()> onClick, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onClick;
    QObject *m_pressedOn = nullptr;
};
