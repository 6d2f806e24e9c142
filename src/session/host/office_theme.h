// The Office theme that forms of Access 2010 and later take their theme colours
// and fonts from, when a property names a theme slot instead of a colour or a
// font of its own.
#pragma once

#include <optional>
#include <string_view>

namespace velorin {

// The colour of theme slot `index` (0 Text 1, 1 Background 1, 2 Text 2,
// 3 Background 2, 4 to 9 Accent 1 to 6, 10 Hyperlink, 11 Followed Hyperlink)
// after Access's tint and shade, both in percent (100 leaves the colour as it
// is; a tint of 60 is "Lighter 40%", a shade of 75 "Darker 25%"), as an Access
// colour (&H00BBGGRR). Empty for an index outside 0 to 11 (-1 is "no theme").
//
// The theme is the "Office" theme of Office 2007 and 2010, which Access 2010,
// the first Access with themes, gives every new database; a tint or shade
// changes the luminance of the colour in HSL as DrawingML's lumMod and lumOff do.
std::optional<long> OfficeThemeColour(long index, double tint, double shade);

// The font of theme font slot `index` (0 headings, 1 body) of the same theme;
// empty for any other index.
std::string_view OfficeThemeFont(long index);

}  // namespace velorin
