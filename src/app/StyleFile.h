// The per-user style file: its first line names the visual style applied at start-up.
#pragma once

#include <QString>

inline constexpr const char* kDefaultStyle = "Windows";

// Reads the style name; a missing file, an empty file or an empty first line is (re)written
// with the single line "Windows", which is then the name.
QString readStyleFile(const QString& path);
// Overwrites the file with the single line holding the name (ended by CR LF).
void writeStyleFile(const QString& path, const QString& name);
