#pragma once

#include <QByteArray>
#include <QString>

namespace rorovovo::profiles {

// Files written by older versions or by hand on Windows are in the ANSI code page, newer ones in UTF-8.
// Text that is valid UTF-8 is read as such, anything else as Windows-1252. A UTF-8 byte-order mark at the
// start is not part of the text.
QString decodeUtf8OrWindows1252(const QByteArray& bytes);

// Windows-1252 alone: 0x80-0x9F carry the typographic characters, the rest matches Latin-1. The five
// unassigned bytes map to the control characters of the same number, as Windows does.
QString decodeWindows1252(const QByteArray& bytes);

// True when the bytes start with the UTF-8 byte-order mark.
bool startsWithUtf8Bom(const QByteArray& bytes);

}  // namespace rorovovo::profiles
