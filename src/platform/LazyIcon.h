// An icon whose pictures are made only when it is first drawn or measured. A QIcon reads and
// decodes each picture the moment it is given one; for pictures that show only once a menu
// opens, or only on a double-density screen, that is start-up time and memory spent on
// nothing.
#pragma once

#include <QIcon>

#include <functional>

namespace swatchly::platform {

// The icon that make() returns, asked for on first use. The icon counts as present (not
// null) until then.
QIcon lazyIcon(std::function<QIcon()> make);

} // namespace swatchly::platform
