#include "platform/controls/Fonts.h"

#include <QFontInfo>
#include <QWidget>

namespace swatchly::platform {

namespace {

// Per cent of the stand-in face's normal width.
constexpr int StandInStretch = 94;

} // namespace

void setClassicFont(QWidget *widget, double pointSize, bool bold)
{
    QFont font = widget->font();
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                       QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                       QStringLiteral("Sans Serif") });
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // The windows' captions were laid out for that face, which is narrower than the faces that
    // stand in for it (Liberation Sans, Arial, DejaVu Sans Condensed); condensed to this width
    // a stand-in fits every caption into the rectangle made for it, at its full height.
    if (QFontInfo(font).family() != QLatin1String("MS Sans Serif"))
        font.setStretch(StandInStretch);
    widget->setFont(font);
}

} // namespace swatchly::platform
