#include "commands/CHelp.h"

namespace swatchly {

void CHelp::Show(const QString &, const QString &, std::optional<int>) { }

} // namespace swatchly
