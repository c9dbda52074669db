// The colour boxes of the chart, by index: 0 to 20 the chart colours (StartUpColors), 21 to 34
// the Users Special Colors (UserDefColors.col and the scheme files).
#pragma once

namespace swatchly {

// A run of box indexes, first to last, both included.
struct BoxRange
{
    int first;
    int last;

    constexpr int count() const { return last - first + 1; }
    constexpr bool contains(int index) const { return index >= first && index <= last; }
};

inline constexpr BoxRange ChartColours { 0, 20 };
inline constexpr BoxRange UsersSpecialColors { 21, 34 };

static_assert(ChartColours.count() == 21 && UsersSpecialColors.count() == 14);
static_assert(ChartColours.last + 1 == UsersSpecialColors.first);

} // namespace swatchly
