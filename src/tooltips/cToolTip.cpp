#include "tooltips/cToolTip.h"

namespace swatchly {

cToolTip::cToolTip() = default;
cToolTip::~cToolTip() = default;

void cToolTip::SetToolTipObj(QWidget *, const QString &, bool) { }

} // namespace swatchly
