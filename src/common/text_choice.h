#pragma once

#include <QString>

// Chooses between the French and the English text of one table row by the language value (1 French,
// any other value English). The texts are UTF-8 literals.
class TextChoice
{
public:
    explicit TextChoice(qint16 language)
        : m_french(language == 1)
    {}
    QString operator()(const char *french, const char *english) const
    {
        return QString::fromUtf8(m_french ? french : english);
    }
    QString operator()(const char *both) const { return QString::fromUtf8(both); }

private:
    bool m_french;
};
