#pragma once
// The palette table and the development-class predicates, without a widget.
// Colours are kept as the platform stores them: 0xBBGGRR (red in the low
// byte).

// The system button-face colour's value.
constexpr int kButtonFaceColor = static_cast<int>(0x8000000F);

// The 0xBBGGRR value of a palette index; an index without a colour gives
// 0x0000FF (red).
int PaletteColorValue(int index);

bool IsTreelessArea(int developmentClass);
bool IsSmallSeedlingStand(int developmentClass);
bool HasTreePicture(int developmentClass);
