// What the windows show, read back the same way by every test: the six channel boxes, the
// three sliders and the items of a name box.
#pragma once

#include <QList>
#include <QStringList>

namespace swatchly::test {

// The texts of the main window's six channel boxes, red to blue, decimal then hexadecimal.
template<class Window> QStringList channelBoxes(const Window &window)
{
    QStringList texts;
    for (const auto *box : window.txtColValue)
        texts.append(box->text());
    return texts;
}

// The values of the main window's red, green and blue sliders.
template<class Window> QList<int> sliders(const Window &window)
{
    return { window.Slide[0]->value(), window.Slide[1]->value(), window.Slide[2]->value() };
}

// The items of a name box, or of a window's name box (Combo1), in list order.
template<class BoxOrWindow> QStringList listOf(const BoxOrWindow &owner)
{
    if constexpr (requires { owner.Combo1; }) {
        return listOf(*owner.Combo1);
    } else {
        QStringList items;
        for (int i = 0; i < owner.listCount(); ++i)
            items.append(owner.list(i));
        return items;
    }
}

} // namespace swatchly::test
