// The client's build stamp: the build date as yyyymmdd and the build time in seconds since midnight.
#pragma once

#include <QString>

struct BuildStamp {
    int date = 0; // yyyymmdd
    int time = 0; // seconds since midnight
    bool operator==(const BuildStamp&) const = default;
};

// Computes the stamp from the compiler's texts: date as "Oct 18 2023" (day padded with a
// blank), time as "16:33:58". An unknown date counts as 1 January 1900.
BuildStamp computeBuildStamp(const QString& dateText, const QString& timeText);

// The stamp of this build (from the date and time this client was compiled). Tests may
// replace it to play an older or newer client.
BuildStamp currentBuildStamp();
void overrideBuildStamp(const BuildStamp& stamp);
void clearBuildStampOverride();
