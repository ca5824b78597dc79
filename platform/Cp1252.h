#pragma once
// Windows-1252 text, as stand files store it. Our own table: the five
// positions that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 controls of the same number, so every byte round-trips.

#include <QByteArray>
#include <QString>

namespace platform {

QChar Cp1252ToUnicode(unsigned char byte);
// Characters that have no cp1252 byte become '?'.
unsigned char UnicodeToCp1252(QChar ch);

QString DecodeCp1252(const char* bytes, int length);
QString DecodeCp1252(const QByteArray& bytes);
QByteArray EncodeCp1252(const QString& text);

}  // namespace platform
