#include "app/BuildStamp.h"

#include <QStringList>
#include <optional>

namespace {

std::optional<BuildStamp> overridden;

int digit(QChar c)
{
    return c.isDigit() ? c.digitValue() : 0;
}

} // namespace

BuildStamp computeBuildStamp(const QString& dateText, const QString& timeText)
{
    static const QStringList months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 1;
    int day = 1;
    int year = 1900;
    if (dateText.size() >= 11) {
        const int m = int(months.indexOf(dateText.left(3)));
        if (m >= 0) {
            month = m + 1;
            day = digit(dateText[4]) * 10 + digit(dateText[5]); // a leading blank counts as 0
            year = dateText.mid(7, 4).toInt();
        }
    }
    BuildStamp stamp;
    stamp.date = year * 10000 + month * 100 + day;
    if (timeText.size() >= 8) {
        stamp.time = digit(timeText[0]) * 36000 + digit(timeText[1]) * 3600 + digit(timeText[3]) * 600
                     + digit(timeText[4]) * 60 + digit(timeText[6]) * 10 + digit(timeText[7]);
    }
    return stamp;
}

BuildStamp currentBuildStamp()
{
    if (overridden)
        return *overridden;
    return computeBuildStamp(QStringLiteral(__DATE__), QStringLiteral(__TIME__));
}

void overrideBuildStamp(const BuildStamp& stamp)
{
    overridden = stamp;
}

void clearBuildStampOverride()
{
    overridden.reset();
}
