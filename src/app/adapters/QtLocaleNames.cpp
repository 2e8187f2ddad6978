#include "app/adapters/QtLocaleNames.h"

namespace orvane {

namespace {

// Copies a quoted literal starting at i (the opening quote) and returns the index after it.
qsizetype CopyQuoted(const QString& format, qsizetype i, QString& out)
{
    qsizetype end = i + 1;
    while (end < format.size()) {
        if (format[end] == QLatin1Char('\'')) {
            if (end + 1 < format.size() && format[end + 1] == QLatin1Char('\'')) {
                end += 2;
                continue;
            }
            ++end;
            break;
        }
        ++end;
    }
    out += format.mid(i, end - i);
    return end;
}

qsizetype RunLength(const QString& format, qsizetype i)
{
    qsizetype n = 1;
    while (i + n < format.size() && format[i + n] == format[i]) {
        ++n;
    }
    return n;
}

bool HasMarker(const QString& format)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A'))) {
            return true;
        }
    }
    return false;
}

// Drops a separator left dangling before a removed field ("ss.zzz" loses ".zzz").
void DropTrailingSeparator(QString& out)
{
    while (!out.isEmpty() && !out.back().isLetterOrNumber() && out.back() != QLatin1Char('\'')) {
        out.chop(1);
    }
}

}  // namespace

std::string QtLocaleNames::TimePicture(const QString& qtFormat)
{
    return ConvertTime(qtFormat, true);
}

std::string QtLocaleNames::TimePictureWithoutSeconds(const QString& qtFormat)
{
    return ConvertTime(qtFormat, false);
}

std::string QtLocaleNames::ConvertTime(const QString& qtFormat, bool seconds)
{
    const bool twelveHour = HasMarker(qtFormat);
    QString out;
    qsizetype i = 0;
    while (i < qtFormat.size()) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) {
            i = CopyQuoted(qtFormat, i, out);
            continue;
        }
        const qsizetype n = RunLength(qtFormat, i);
        if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            // "AP", "ap", "A" and "a" are all the day-half marker.
            const bool pair = i + 1 < qtFormat.size() && (qtFormat[i + 1] == QLatin1Char('p') ||
                                                          qtFormat[i + 1] == QLatin1Char('P'));
            out += QStringLiteral("tt");
            i += pair ? 2 : 1;
            continue;
        }
        if (c == QLatin1Char('h') && !twelveHour) {
            out += QString(n, QLatin1Char('H'));
        } else if (c == QLatin1Char('z') || c == QLatin1Char('t') ||
                   (c == QLatin1Char('s') && !seconds)) {
            DropTrailingSeparator(out);
        } else {
            out += qtFormat.mid(i, n);
        }
        i += n;
    }
    return out.trimmed().toStdString();
}

std::string QtLocaleNames::DatePicture(const QString& qtFormat)
{
    // Qt's date letters (d, M, y) mean what the pictures mean.
    return qtFormat.trimmed().toStdString();
}

LocaleNames QtLocaleNames::FromQLocale(const QLocale& locale)
{
    LocaleNames names;
    for (int m = 1; m <= 12; ++m) {
        names.months[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        names.monthsShort[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday 1 ... Sunday 7
        names.days[d] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        names.daysShort[d] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    names.am = locale.amText().toStdString();
    names.pm = locale.pmText().toStdString();
    names.shortDate = DatePicture(locale.dateFormat(QLocale::ShortFormat));
    names.longDate = DatePicture(locale.dateFormat(QLocale::LongFormat));
    names.timeWithSeconds = TimePicture(locale.timeFormat(QLocale::LongFormat));
    names.timeNoSeconds = TimePictureWithoutSeconds(locale.timeFormat(QLocale::ShortFormat));
    return names;
}

}  // namespace orvane
