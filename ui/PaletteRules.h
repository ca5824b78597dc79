#pragma once
// The palette table and the development-class predicates, without a widget.
// Colours are kept as the platform stores them: 0xBBGGRR (red in the low
// byte).

// The system button-face colour's value.
constexpr int kButtonFaceColor = static_cast<int>(0x8000000F);

// The 0xBBGGRR value of a palette index; an index without a colour gives
// 0x0000FF (red).
int PaletteColorValue(int index);

// The 0xBBGGRR value of a tree symbol's colour by species code: 0 pine,
// 1 spruce, 2 birch, 3 aspen, 4 alder, 10..14 and 22 further shades; any
// other code (100 included, which charts use for energy wood) white.
int SpeciesColorValue(int code);

bool IsTreelessArea(int developmentClass);
bool IsSmallSeedlingStand(int developmentClass);
bool HasTreePicture(int developmentClass);
