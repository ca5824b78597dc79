#pragma once
// The application palette, the busy display and the development-class
// predicates that every window uses.
//
// Colours are kept as the platform stores them: 0xBBGGRR (red in the low
// byte). PaletteColorValue gives that value, PaletteColor the QColor.

#include <QColor>
#include <QPalette>
#include <QString>

#include "ui/PaletteRules.h"

class QWidget;

// A 0xBBGGRR value as a QColor; the button-face value gives the style's
// button colour.
QColor ColorFromBgr(int bgr);
QColor PaletteColor(int index);
inline QColor PaletteColor(const QWidget* /*window*/, int index) { return PaletteColor(index); }
inline QColor PaletteColor22(const QWidget* /*window*/ = nullptr) { return PaletteColor(22); }
// The colour of a tree symbol by species code (SpeciesColorValue).
QColor SpeciesColor(int code);
// 0xF0FBFF when flag is set, else palette colour 12.
QColor PaleOrPaletteColor12(const QWidget* window, bool flag);
// The colour a stand picture's canvas is filled with before its background
// bitmap: always black.
QColor PictureBackdropColor(const QWidget* window = nullptr);

// Sets one colour role of a widget's palette.
void SetRoleColor(QWidget* w, QPalette::ColorRole role, const QColor& c);
// Fills a widget's background with a colour (auto-filled palette window role).
void SetWidgetColor(QWidget* w, const QColor& c);

// The busy display: a progress window of its own, captioned text + " ...",
// its panel in colour; the bar goes 0, 3, ..., 99 in 34 steps with a pause
// of stepMs before each, then endMs, then the window is destroyed.
void ShowBusy(QWidget* owner, int stepMs, int endMs, const QString& text, const QColor& colour);

// Ends the event loop of the program (the program then ends); nothing when
// no loop runs (a test driving the windows directly).
void EndProgram();

