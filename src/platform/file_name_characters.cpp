#include "platform/file_name_characters.h"

CleanedFileName removeForbiddenCharacters(const QString &text)
{
    CleanedFileName cleaned;
    cleaned.text.reserve(text.size());
    for (const QChar c : text) {
        if (kForbiddenFileNameCharacters.contains(c))
            cleaned.hadForbidden = true;
        else
            cleaned.text.append(c);
    }
    return cleaned;
}
