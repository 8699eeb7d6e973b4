// en-US and invariant date and time formatting through the Win32 API.
#include <gtest/gtest.h>

#include "platform/win32api.h"

namespace {

constexpr LCID kEnglishUs = 0x0409;
const SYSTEMTIME kAfternoon{2026, 12, 6 /* ignored */, 5, 13, 4, 9, 0};

WString Date(const SYSTEMTIME& t, const WCHAR* picture, DWORD flags = 0, LCID locale = kEnglishUs) {
    WCHAR out[128];
    const int n = GetDateFormatW(locale, flags, &t, picture, out, 128);
    return n > 0 ? WString(out) : WString(W("<failed>"));
}

WString Time(const SYSTEMTIME& t, const WCHAR* picture, DWORD flags = 0, LCID locale = kEnglishUs) {
    WCHAR out[128];
    const int n = GetTimeFormatW(locale, flags, &t, picture, out, 128);
    return n > 0 ? WString(out) : WString(W("<failed>"));
}

TEST(Locale, EnglishDatePictures) {
    EXPECT_EQ(Date(kAfternoon, nullptr), W("12/5/2026"));
    EXPECT_EQ(Date(kAfternoon, nullptr, DATE_LONGDATE), W("Saturday, December 5, 2026"));
    EXPECT_EQ(Date(kAfternoon, W("dddd, MMMM dd, yyyy")), W("Saturday, December 05, 2026"));
    EXPECT_EQ(Date(kAfternoon, W("ddd MMM yy")), W("Sat Dec 26"));
    EXPECT_EQ(Date(kAfternoon, W("d.M.y")), W("5.12.26"));
    EXPECT_EQ(Date(kAfternoon, W("yyyyMMdd")), W("20261205"));
    EXPECT_EQ(Date(kAfternoon, W("'Day' d 'of' MMMM")), W("Day 5 of December"));
    EXPECT_EQ(Date(kAfternoon, W("d 'o''clock'")), W("5 o'clock"));
    const SYSTEMTIME early{2009, 3, 0, 7, 0, 0, 0, 0};
    EXPECT_EQ(Date(early, W("yy MM M dd")), W("09 03 3 07"));
}

TEST(Locale, EnglishTimePicturesAndFlags) {
    EXPECT_EQ(Time(kAfternoon, nullptr), W("1:04:09 PM"));
    EXPECT_EQ(Time(kAfternoon, nullptr, TIME_NOSECONDS), W("1:04 PM"));
    EXPECT_EQ(Time(kAfternoon, nullptr, TIME_NOMINUTESORSECONDS), W("1 PM"));
    EXPECT_EQ(Time(kAfternoon, nullptr, TIME_NOTIMEMARKER), W("1:04:09"));
    EXPECT_EQ(Time(kAfternoon, W("hh:mm"), TIME_FORCE24HOURFORMAT), W("13:04"));
    EXPECT_EQ(Time(kAfternoon, W("HH'h'mm t")), W("13h04 P"));
    const SYSTEMTIME midnight{2026, 1, 0, 1, 0, 5, 7, 0};
    EXPECT_EQ(Time(midnight, nullptr), W("12:05:07 AM"));
    EXPECT_EQ(Time(midnight, W("H:m:s")), W("0:5:7"));
}

TEST(Locale, InvariantFormats) {
    EXPECT_EQ(Date(kAfternoon, nullptr, 0, LOCALE_INVARIANT), W("12/05/2026"));
    EXPECT_EQ(Time(kAfternoon, nullptr, 0, LOCALE_INVARIANT), W("13:04:09"));
    WCHAR out[32];
    EXPECT_EQ(GetLocaleInfoW(LOCALE_INVARIANT, LOCALE_SSHORTDATE, out, 32), 11);
    EXPECT_EQ(WString(out), W("MM/dd/yyyy"));
    EXPECT_EQ(GetLocaleInfoW(LOCALE_INVARIANT, LOCALE_STIMEFORMAT, out, 32), 9);
    EXPECT_EQ(WString(out), W("HH:mm:ss"));
}

TEST(Locale, EnglishLocaleItems) {
    WCHAR out[32];
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_SSHORTDATE, nullptr, 0), 9);
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_SSHORTDATE, out, 32), 9);
    EXPECT_EQ(WString(out), W("M/d/yyyy"));
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_STIMEFORMAT, out, 32), 11);
    EXPECT_EQ(WString(out), W("h:mm:ss tt"));
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_S1159, out, 32), 3);
    EXPECT_EQ(WString(out), W("AM"));
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_SDECIMAL, out, 32), 2);
    EXPECT_EQ(WString(out), W("."));
    SetLastError(0);
    EXPECT_EQ(GetLocaleInfoW(kEnglishUs, LOCALE_SSHORTDATE, out, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(Locale, SizeProtocolOfTheFormatters) {
    WCHAR out[16];
    EXPECT_EQ(GetDateFormatW(kEnglishUs, 0, &kAfternoon, nullptr, nullptr, 0), 10);
    SetLastError(0);
    EXPECT_EQ(GetDateFormatW(kEnglishUs, 0, &kAfternoon, nullptr, out, 9), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(GetDateFormatW(kEnglishUs, 0, &kAfternoon, nullptr, out, 10), 10);
    EXPECT_EQ(WString(out), W("12/5/2026"));

    EXPECT_EQ(GetTimeFormatW(kEnglishUs, 0, &kAfternoon, nullptr, nullptr, 0), 11);
    EXPECT_EQ(GetTimeFormatW(kEnglishUs, 0, &kAfternoon, nullptr, out, 10), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(Locale, InvalidInputIsRefused) {
    WCHAR out[64];
    for (SYSTEMTIME bad : {SYSTEMTIME{2026, 13, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2026, 2, 0, 30, 0, 0, 0, 0},
                           SYSTEMTIME{2026, 0, 0, 1, 0, 0, 0, 0}}) {
        SetLastError(0);
        EXPECT_EQ(GetDateFormatW(kEnglishUs, 0, &bad, nullptr, out, 64), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    for (SYSTEMTIME bad : {SYSTEMTIME{2026, 1, 0, 1, 24, 0, 0, 0}, SYSTEMTIME{2026, 1, 0, 1, 0, 60, 0, 0},
                           SYSTEMTIME{2026, 1, 0, 1, 0, 0, 60, 0}}) {
        SetLastError(0);
        EXPECT_EQ(GetTimeFormatW(kEnglishUs, 0, &bad, nullptr, out, 64), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    // A picture and a picture flag together contradict each other.
    SetLastError(0);
    EXPECT_EQ(GetDateFormatW(kEnglishUs, DATE_SHORTDATE, &kAfternoon, W("d"), out, 64), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
}

}  // namespace
