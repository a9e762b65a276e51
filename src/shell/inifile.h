#pragma once

#include <QString>

// Single keys of the INI-style files (param.tkm and the other .tkm files,
// kopruSetting.ini, the daily totals files), with the rules of the Windows
// profile-string services those files were made with: section and key names
// match without regard to letter case, a missing file, section or key reads
// as empty text, at most 254 characters are read, and a write keeps every
// other line of the file byte for byte. Files are in Windows-1254 with CR LF.
namespace Ini {

inline constexpr int kMaxValueLength = 254;

QString readKey(const QString& section, const QString& key, const QString& path);

// Creates a missing file or section; the file is rewritten through a
// temporary file and a rename, so it is never left half-written. Returns
// false when the file could not be written (the old file then stands as it was).
bool writeKey(const QString& section, const QString& key, const QString& value, const QString& path);

} // namespace Ini
