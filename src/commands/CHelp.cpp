#include "commands/CHelp.h"

#include "platform/services/Help.h"

namespace swatchly {

namespace {

// Blanks around a name are dropped; any other white space belongs to the name.
QString withoutBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void CHelp::Show(const QString &NewFile, const QString &WindowPane, std::optional<int> ContextID)
{
    platform::HelpTarget target(NewFile);
    if (!WindowPane.isEmpty())
        target = { withoutBlanks(NewFile), withoutBlanks(WindowPane) };

    // What the viewer makes of the call is its own affair; nothing comes back to report.
    if (!ContextID)
        m_help.htmlHelp(target, platform::HH_DISPLAY_TOPIC, 0);
    else
        m_help.htmlHelp(target, platform::HH_HELP_CONTEXT, *ContextID);
}

} // namespace swatchly
