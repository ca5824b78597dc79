#pragma once
// The timber outturn table behind AssortmentShares (Calc.h): per species
// group, diameter class and height class, the log and pulpwood percentages of
// the stem volume before alder and the 3 % log transfer are applied.

struct OutturnCell {
  int logPercent = 0;
  int pulpPercent = 0;
};

// Species 0 uses group 0, species 1 group 1, every other species group 2.
int OutturnGroup(int species);

// The raw cell of a group: dClass below 8 gives 0/0, above 50 the 50 cm row;
// hClass above 30 the 30 m cell, below 0 the cell of 0 m.
OutturnCell OutturnTableCell(int group, int dClass, int hClass);
