#pragma once
// Names of development classes, site types and timber assortments.

#include <QString>

// Development class code 0..9 in one of its styles: 0 and 1 long (they differ
// only for code 0), 2 padded to 23 characters, 3 long with a blank after the
// comma, 4 padded to 24 characters, 5 and above short. Any other code gives
// "khl - error".
QString DevelopmentClassName(int style, int code);

// Site type code 0..6: styles below 2 plain, 2 and above padded to 21
// characters. Any other code gives "mt - error".
QString SiteTypeName(int style, int code);

// Assortment code 0..12 (lower-case long names), code + 100 the short codes,
// 1006 "mäRun", 1007 "kuRun", 2006 "mäntyrunko", 2007 "kuusirunko"; any
// other code "ranka" and three blanks. With prefix a blank is put in front.
QString AssortmentName(int code, bool prefix);
