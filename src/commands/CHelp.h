// Opens a compiled help file in the help viewer, optionally in a named help window and at a
// context number.
#pragma once

#include <QString>

#include <optional>

namespace swatchly {

namespace platform {
class HelpService;
}

class CHelp
{
public:
    // Shows through the help service given.
    explicit CHelp(platform::HelpService &help)
        : m_help(help)
    { }

    void Show(const QString &NewFile, const QString &WindowPane,
              std::optional<int> ContextID = std::nullopt);

private:
    platform::HelpService &m_help;
};

} // namespace swatchly
