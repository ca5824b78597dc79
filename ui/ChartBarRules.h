#pragma once
// One bar of the program's bar charts (TEstateChart): its value, its text
// under or beside it and its colour; and the mark of a value.

#include <QString>

struct EstateBar {
  double value = 0;
  QString text;
  int colorBgr = 0xFFFFFF;
  int speciesColorCode = -1;  // when 0 or more: the species colour of that code instead
};

// A mark in a chart's value format: "###0.###" stands for the value with up
// to three decimals (trailing zeros dropped), "###0.0##" with one to three,
// the rest of the format is kept ("###0.### m3" and 12.5 give "12.5 m3",
// "###0.0## %" and -2 give "-2.0 %").
QString ChartValueText(double value, const QString& format);
