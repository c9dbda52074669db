// Opens a compiled help file in the help viewer, optionally in a named help window and at a
// context number.
#pragma once

#include <QString>

#include <optional>

namespace swatchly {

class CHelp
{
public:
    void Show(const QString &NewFile, const QString &WindowPane,
              std::optional<int> ContextID = std::nullopt);
};

} // namespace swatchly
