#pragma once
// Texts of the regeneration cutting dialog: retention trees, seed trees,
// shelter trees, strip width and gap size.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& ClearlanRetentionText(QString& out, int n);
QString ClearlanRetentionText(int n);

QString& ClearlanSeedTreeText(QString& out, int n);
QString ClearlanSeedTreeText(int n);

QString& ClearlanShelterTreeText(QString& out, int n);
QString ClearlanShelterTreeText(int n);

QString& ClearlanStripText(QString& out, int n);
QString ClearlanStripText(int n);

QString& ClearlanGapText(QString& out, int n);
QString ClearlanGapText(int n);
