#pragma once

#include <QLocale>
#include <QString>

#include "platform/LocaleNames.h"

namespace orvane {

// The desktop's names and date and time formats, in the picture notation the program's
// locale formatting reads.
class QtLocaleNames {
public:
    static LocaleNames FromQLocale(const QLocale& locale);
    // Qt's format notation to pictures: "AP"/"ap"/"A"/"a" become "tt", "h" becomes "H"
    // unless the format has a marker, and what pictures cannot show (zone, milliseconds)
    // goes away.
    static std::string TimePicture(const QString& qtFormat);
    // The same without the seconds and the separator before them, for times shown to the
    // minute whatever the desktop's short format holds ("HH:mm:ss" gives "HH:mm").
    static std::string TimePictureWithoutSeconds(const QString& qtFormat);
    static std::string DatePicture(const QString& qtFormat);

private:
    static std::string ConvertTime(const QString& qtFormat, bool seconds);
};

}  // namespace orvane
