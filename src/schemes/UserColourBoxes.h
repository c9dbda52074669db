// What the scheme window needs of the main window's Users Special Colors: their colours, to
// export them, and a way to replace them, to import a scheme.
#pragma once

#include "core/Colour.h"

#include <span>
#include <vector>

namespace swatchly {

class UserColourBoxes
{
public:
    // The colours of the Users Special Colors boxes, first to last.
    virtual std::vector<ColourValue> userColours() const = 0;
    // Gives the first colours.size() boxes these colours and counts them as changed in this
    // run, so that the save at exit writes them.
    virtual void replaceUserColours(std::span<const ColourValue> colours) = 0;

protected:
    ~UserColourBoxes() = default;
};

} // namespace swatchly
