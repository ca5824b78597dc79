#pragma once
// The program's own pictures (species trees, skies, moose), drawn by the
// picture generator of the build and compiled in as Qt resources, looked up
// by the names the windows use ("MANTY1", "BG2", "HIRVI1BITMAP", ...).

#include <QImage>
#include <QString>

// The picture of that name with its transparency (premultiplied ARGB); a
// null image when the program has no picture of that name.
QImage LoadBitmapResource(const QString& name);

// The names of every picture the program carries.
QStringList BitmapResourceNames();
