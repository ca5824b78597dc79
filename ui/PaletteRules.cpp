#include "ui/PaletteRules.h"

int PaletteColorValue(int index) {
  switch (index) {
    case 1: return 0x7AE0FF;
    case 2: return 0xE5A57F;
    case 3: return 0xA5C6A5;
    case 4: return 0xC0DCC0;
    case 5: return 0x8ED18E;
    case 6: return 0xE57259;
    case 7: return 0x595959;
    case 8: return 0x99E599;
    case 9: return 0xF9E5CC;
    case 10: return PaletteColorValue(19);
    case 12: return 0x474747;
    case 13: return 0xFFEFE5;
    case 14: return 0x477533;
    case 15: return 0xA5F2F2;
    case 16: return 0xFFFFFF;
    case 17: return 0x4C844C;
    case 18: return 0xFFD8CC;
    case 19: return 0xF0FBFF;
    case 20: return 0x997056;
    case 21: return 0x60CC4C;
    case 22: return PaletteColorValue(15);
    case 23: return PaletteColorValue(252);
    case 24: return 0xEFEFEF;
    case 25: return 0x6BCC6B;
    case 26: return PaletteColorValue(19);
    case 27: return 0xB27F59;
    case 28: return 0x99F299;
    case 29: return 0x4C8C4C;
    case 30: return kButtonFaceColor;
    case 150: return 0x59FCFC;
    case 151: return 0xBFF9F9;
    case 200: return 0x84604C;
    case 222: return 0x516BFF;
    case 223: return 0x3D5BFF;
    case 224: return 0x70A8FF;
    case 225: return 0x3F99FF;
    case 226: return 0x193FFF;
    case 251: return 0x84D884;
    case 252: return 0x3FFF3F;
    case 253: return 0x7AD17A;
    default: return 0x0000FF;
  }
}

bool IsTreelessArea(int developmentClass) { return developmentClass == 1; }
bool IsSmallSeedlingStand(int developmentClass) { return developmentClass == 2; }
bool HasTreePicture(int developmentClass) { return developmentClass != 1 && developmentClass != 2; }

int SpeciesColorValue(int code) {
  auto bgr = [](int r, int g, int b) { return (b << 16) | (g << 8) | r; };
  switch (code) {
    case 0: return bgr(216, 107, 76);
    case 1: return bgr(63, 140, 255);
    case 2: return bgr(12, 242, 12);
    case 3: return bgr(255, 191, 114);
    case 4: return bgr(140, 140, 140);
    case 10: return bgr(229, 102, 102);
    case 11: return bgr(89, 153, 255);
    case 12: return bgr(0, 204, 0);
    case 13: return bgr(255, 165, 76);
    case 14: return bgr(158, 158, 158);
    case 22: return bgr(89, 229, 89);
    default: return bgr(255, 255, 255);
  }
}
