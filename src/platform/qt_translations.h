#pragma once

#include <QTranslator>
#include <QtGlobal>
#include <memory>

// Qt's own texts (the buttons of message and input boxes, the colour and file choosers) in the interface
// language, from the translations installed with Qt. Our own texts come from the language tables.
class QtTranslations
{
public:
    QtTranslations() = default;
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    // Installs Qt's French translation for language 1 and removes it for any other value (Qt's texts are
    // English). False when the French translation is not installed: Qt's texts then stay English.
    bool apply(qint16 language);

private:
    std::unique_ptr<QTranslator> m_translator;
};
