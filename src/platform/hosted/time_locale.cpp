// Clock, FILETIME/SYSTEMTIME arithmetic, and the en-US and invariant
// locales' date and time formats with Windows' format pictures.
#include <time.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kTicksPerDay = kTicksPerSecond * 86'400;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;
constexpr std::uint64_t kLargestFileTime = 0x7FFFFFFFFFFFFFFFull;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

bool LeapYear(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(unsigned y, unsigned m) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

// Sunday = 0, as SYSTEMTIME counts.
WORD DayOfWeek(std::int64_t daysSince1970) { return static_cast<WORD>(((daysSince1970 % 7) + 11) % 7); }

bool ValidDate(const SYSTEMTIME& t) {
    return t.wYear >= 1601 && t.wYear <= 30827 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= DaysInMonth(t.wYear, t.wMonth);
}

bool ValidTime(const SYSTEMTIME& t) {
    return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

std::uint64_t Ticks(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

FILETIME FromTicks(std::uint64_t ticks) {
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

SYSTEMTIME SystemTimeFromTicks(std::uint64_t ticks) {
    const auto days = static_cast<std::int64_t>(ticks / kTicksPerDay) - kDaysFrom1601To1970;
    const auto rest = static_cast<std::int64_t>(ticks % kTicksPerDay);
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(y);
    t.wMonth = static_cast<WORD>(m);
    t.wDay = static_cast<WORD>(d);
    t.wDayOfWeek = DayOfWeek(days);
    t.wHour = static_cast<WORD>(rest / (kTicksPerSecond * 3600));
    t.wMinute = static_cast<WORD>(rest / (kTicksPerSecond * 60) % 60);
    t.wSecond = static_cast<WORD>(rest / kTicksPerSecond % 60);
    t.wMilliseconds = static_cast<WORD>(rest / 10'000 % 1000);
    return t;
}

timespec Now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

}  // namespace

FILETIME FileTimeFromUnix(std::int64_t seconds, long nanoseconds) {
    const std::int64_t since1601 = seconds + kSecondsFrom1601To1970;
    if (since1601 < 0) return FILETIME{0, 0};
    return FromTicks(static_cast<std::uint64_t>(since1601) * kTicksPerSecond +
                     static_cast<std::uint64_t>(nanoseconds / 100));
}

namespace {

// ---- Locales ---------------------------------------------------------------

struct LocaleItem {
    LCTYPE type;
    const char16_t* english;    // en-US
    const char16_t* invariant;  // LOCALE_INVARIANT
};

constexpr LocaleItem kLocaleItems[] = {
    {LOCALE_SSHORTDATE, u"M/d/yyyy", u"MM/dd/yyyy"},
    {LOCALE_SLONGDATE, u"dddd, MMMM d, yyyy", u"dddd, dd MMMM yyyy"},
    {LOCALE_STIMEFORMAT, u"h:mm:ss tt", u"HH:mm:ss"},
    {LOCALE_SDATE, u"/", u"/"},
    {LOCALE_STIME, u":", u":"},
    {LOCALE_S1159, u"AM", u"AM"},
    {LOCALE_S2359, u"PM", u"PM"},
    {LOCALE_SDECIMAL, u".", u"."},
};

constexpr DWORD kNoUserOverride = 0x80000000u;
constexpr DWORD kUseCpAcp = 0x40000000u;
constexpr DWORD kDateYearMonth = 0x00000008u;
constexpr LCTYPE kYearMonthPicture = 0x00001006u;  // LOCALE_SYEARMONTH

const char16_t* const kDayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                     u"Thursday", u"Friday", u"Saturday"};
const char16_t* const kDayAbbreviations[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
const char16_t* const kMonthNames[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                       u"July",    u"August",   u"September", u"October", u"November", u"December"};
const char16_t* const kMonthAbbreviations[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                               u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

// Which of the two known locales an LCID names; nullopt for others.
std::optional<bool> IsInvariant(LCID locale) {
    switch (locale) {
        case 0x0409u:
        case 0x0000u:  // LOCALE_NEUTRAL
        case LOCALE_USER_DEFAULT:
        case LOCALE_SYSTEM_DEFAULT:
        case 0x0C00u:  // LOCALE_CUSTOM_DEFAULT
            return false;
        case LOCALE_INVARIANT: return true;
        default: return std::nullopt;
    }
}

std::optional<std::u16string> LocaleString(bool invariant, LCTYPE type) {
    if (type == kYearMonthPicture) return std::u16string(invariant ? u"yyyy MMMM" : u"MMMM yyyy");
    for (const auto& item : kLocaleItems)
        if (item.type == type) return std::u16string(invariant ? item.invariant : item.english);
    return std::nullopt;
}

// Writes a result by the size protocol of the locale functions: size 0 asks
// for the count including the terminator.
int Deliver(const std::u16string& text, LPWSTR out, int size) {
    const auto needed = static_cast<int>(text.size() + 1);
    if (size == 0) return needed;
    if (needed > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    text.copy(out, text.size());
    out[text.size()] = 0;
    return needed;
}

std::u16string Number(unsigned value, int minDigits) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    while (static_cast<int>(digits.size()) < minDigits) digits.insert(digits.begin(), u'0');
    return digits;
}

// A picture split into literal text and format fields (a letter and how
// many times it repeats); 'quoted' text and '' are literal.
template <class Field, class Literal>
void ScanPicture(std::u16string_view picture, std::u16string_view letters, Field&& field, Literal&& literal) {
    std::size_t i = 0;
    while (i < picture.size()) {
        const char16_t c = picture[i];
        if (c == u'\'') {
            ++i;
            std::u16string text;
            if (i < picture.size() && picture[i] == u'\'') {  // '' outside quotes
                literal(u"'");
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == u'\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            literal(text);
        } else if (letters.find(c) != std::u16string_view::npos) {
            std::size_t count = 1;
            while (i + count < picture.size() && picture[i + count] == c) ++count;
            field(c, count);
            i += count;
        } else {
            literal(std::u16string(1, c));
            ++i;
        }
    }
}

std::u16string FormatDate(std::u16string_view picture, const SYSTEMTIME& date) {
    const WORD weekday = DayOfWeek(DaysFromCivil(date.wYear, date.wMonth, date.wDay));
    std::u16string out;
    ScanPicture(
        picture, u"dMyg",
        [&](char16_t letter, std::size_t count) {
            switch (letter) {
                case u'd':
                    if (count <= 2) out += Number(date.wDay, static_cast<int>(count));
                    else out += (count == 3 ? kDayAbbreviations : kDayNames)[weekday];
                    break;
                case u'M':
                    if (count <= 2) out += Number(date.wMonth, static_cast<int>(count));
                    else out += (count == 3 ? kMonthAbbreviations : kMonthNames)[date.wMonth - 1];
                    break;
                case u'y':
                    if (count <= 2) out += Number(date.wYear % 100, static_cast<int>(count));
                    else out += Number(date.wYear, 1);
                    break;
                default: out += u"A.D."; break;  // g, gg: the era
            }
        },
        [&](std::u16string_view text) { out += text; });
    return out;
}

std::u16string FormatTime(std::u16string_view picture, const SYSTEMTIME& time, DWORD flags, bool invariant) {
    std::u16string out;
    std::size_t lastFieldEnd = std::u16string::npos;
    bool dropLiterals = false;
    ScanPicture(
        picture, u"hHmst",
        [&](char16_t letter, std::size_t count) {
            const bool dropped = (letter == u'm' && (flags & TIME_NOMINUTESORSECONDS)) ||
                                 (letter == u's' && (flags & (TIME_NOMINUTESORSECONDS | TIME_NOSECONDS))) ||
                                 (letter == u't' && (flags & TIME_NOTIMEMARKER));
            if (dropped) {
                // The separator that led to a dropped field goes with it.
                if (lastFieldEnd != std::u16string::npos) out.resize(lastFieldEnd);
                else dropLiterals = true;
                return;
            }
            const int digits = count >= 2 ? 2 : 1;
            if (letter == u'h' && (flags & TIME_FORCE24HOURFORMAT)) letter = u'H';
            switch (letter) {
                case u'h': out += Number(time.wHour % 12 == 0 ? 12 : time.wHour % 12, digits); break;
                case u'H': out += Number(time.wHour, digits); break;
                case u'm': out += Number(time.wMinute, digits); break;
                case u's': out += Number(time.wSecond, digits); break;
                default: {
                    const auto marker = *LocaleString(invariant, time.wHour < 12 ? LOCALE_S1159 : LOCALE_S2359);
                    out += count == 1 ? marker.substr(0, 1) : marker;
                }
            }
            dropLiterals = false;
            lastFieldEnd = out.size();
        },
        [&](std::u16string_view text) {
            if (!dropLiterals) out += text;
        });
    return out;
}

}  // namespace
}  // namespace nw::hosted

void GetSystemTime(LPSYSTEMTIME time) {
    if (time == nullptr) return;
    const timespec now = nw::hosted::Now();
    *time = nw::hosted::SystemTimeFromTicks(nw::hosted::Ticks(nw::hosted::FileTimeFromUnix(now.tv_sec, now.tv_nsec)));
}

void GetLocalTime(LPSYSTEMTIME time) {
    if (time == nullptr) return;
    const timespec now = nw::hosted::Now();
    struct tm local {};
    ::localtime_r(&now.tv_sec, &local);
    time->wYear = static_cast<WORD>(local.tm_year + 1900);
    time->wMonth = static_cast<WORD>(local.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time->wDay = static_cast<WORD>(local.tm_mday);
    time->wHour = static_cast<WORD>(local.tm_hour);
    time->wMinute = static_cast<WORD>(local.tm_min);
    time->wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);  // no leap seconds on Windows
    time->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1'000'000);
}

void GetSystemTimeAsFileTime(LPFILETIME time) {
    if (time == nullptr) return;
    const timespec now = nw::hosted::Now();
    *time = nw::hosted::FileTimeFromUnix(now.tv_sec, now.tv_nsec);
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, LPSYSTEMTIME systemTime) {
    if (fileTime == nullptr || systemTime == nullptr || nw::hosted::Ticks(*fileTime) > nw::hosted::kLargestFileTime) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *systemTime = nw::hosted::SystemTimeFromTicks(nw::hosted::Ticks(*fileTime));
    return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, LPFILETIME fileTime) {
    using namespace nw::hosted;
    if (systemTime == nullptr || fileTime == nullptr || !ValidDate(*systemTime) || !ValidTime(*systemTime)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const SYSTEMTIME& t = *systemTime;
    const std::int64_t days = DaysFromCivil(t.wYear, t.wMonth, t.wDay) + kDaysFrom1601To1970;
    const std::int64_t seconds = days * 86'400 + t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
    *fileTime = FromTicks(static_cast<std::uint64_t>(seconds) * kTicksPerSecond +
                          static_cast<std::uint64_t>(t.wMilliseconds) * 10'000);
    return TRUE;
}

LONG CompareFileTime(const FILETIME* a, const FILETIME* b) {
    const std::uint64_t x = nw::hosted::Ticks(*a);
    const std::uint64_t y = nw::hosted::Ticks(*b);
    return x < y ? -1 : x > y ? 1 : 0;
}

int GetLocaleInfoW(LCID locale, LCTYPE type, LPWSTR data, int size) {
    using namespace nw::hosted;
    if (size < 0 || (size > 0 && data == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto invariant = IsInvariant(locale);
    if (!invariant) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    try {
        const auto text = LocaleString(*invariant, type & ~(kNoUserOverride | kUseCpAcp));
        if (!text) {
            SetLastError(ERROR_INVALID_FLAGS);
            return 0;
        }
        return Deliver(*text, data, size);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

int GetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out, int size) {
    using namespace nw::hosted;
    constexpr DWORD kPictureFlags = DATE_SHORTDATE | DATE_LONGDATE | kDateYearMonth;
    const DWORD picture = flags & kPictureFlags;
    if ((flags & ~(kPictureFlags | kNoUserOverride)) != 0 || (picture & (picture - 1)) != 0 ||
        (format != nullptr && picture != 0)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const auto invariant = IsInvariant(locale);
    if (!invariant || size < 0 || (size > 0 && out == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    SYSTEMTIME when{};
    if (date != nullptr) {
        if (!ValidDate(*date)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        when = *date;
    } else {
        GetLocalTime(&when);
    }
    try {
        std::u16string pictureText;
        if (format != nullptr) {
            pictureText = format;
        } else {
            const LCTYPE item = picture == DATE_LONGDATE ? LOCALE_SLONGDATE
                                : picture == kDateYearMonth ? kYearMonthPicture
                                                            : LOCALE_SSHORTDATE;
            pictureText = *LocaleString(*invariant, item);
        }
        return Deliver(FormatDate(pictureText, when), out, size);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

int GetTimeFormatW(LCID locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR format, LPWSTR out, int size) {
    using namespace nw::hosted;
    constexpr DWORD kTimeFlags =
        TIME_NOMINUTESORSECONDS | TIME_NOSECONDS | TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT | kNoUserOverride;
    if ((flags & ~kTimeFlags) != 0) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const auto invariant = IsInvariant(locale);
    if (!invariant || size < 0 || (size > 0 && out == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    SYSTEMTIME when{};
    if (time != nullptr) {
        if (!ValidTime(*time)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        when = *time;
    } else {
        GetLocalTime(&when);
    }
    try {
        const std::u16string pictureText =
            format ? std::u16string(format) : *LocaleString(*invariant, LOCALE_STIMEFORMAT);
        return Deliver(FormatTime(pictureText, when, flags, *invariant), out, size);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}
