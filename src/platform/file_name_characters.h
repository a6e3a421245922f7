#pragma once

#include <QString>
#include <QStringView>

// The nine characters a file name cannot hold, in the order the name checks look for them.
inline constexpr QStringView kForbiddenFileNameCharacters = u"\\/:*?\"<>|";

// A name with its forbidden characters taken out, and whether there were any.
struct CleanedFileName
{
    QString text;
    bool hadForbidden = false;
};

// Removes every forbidden character. This is what removing, again and again, the first occurrence of the
// first forbidden character in the order above comes to: a pasted text loses all of them.
CleanedFileName removeForbiddenCharacters(const QString &text);
