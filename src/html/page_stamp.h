#pragma once

#include "common/settings.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>

// The date in words in the interface language: "5 décembre 2026" (language 1) or "December 5, 2026".
QString DateDuJour(const QDate &date, qint16 language);
// The time as "HH h MM" on the 24-hour clock: "09 h 05", "17 h 30".
QString HeureDuJour(const QTime &time);

// The source of the current local date and time; tests give a fixed one.
using Clock = std::function<QDateTime()>;
// Reads the computer's local clock.
QDateTime systemClock();

// The page date and page time of one page: fixed once, shared by its file name, header and footer.
struct PageStamp
{
    QString date; // DateDuJour
    QString time; // HeureDuJour
};

// Reads the clock once and formats both halves from that one reading.
PageStamp makePageStamp(const Clock &clock, qint16 language);

// The file name of a page without ".html": the prefix alone, or with "AjouterDate" on
// prefix + " " + page date + " - " + page time.
QString pageBaseName(const HtmlSettings &html, const PageStamp &stamp);

// Replaces "%Date", "%date", "%Time", "%time", "%User", "%user", "%Computer", "%computer", "%Version" and
// "%version", in that order, each over the text as the previous step left it. Values are inserted as they
// stand (no HTML escaping): the header and footer texts are the user's own HTML.
QString RemplacerVariables(const QString &text, const PageStamp &stamp, const StartupValues &startup);
