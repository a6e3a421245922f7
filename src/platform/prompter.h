#pragma once

#include <QString>
#include <optional>

// Every message box and input box of the program, titled "Fichorama". The window asks through this
// interface so that tests can answer in place of the user.
class Prompter
{
public:
    enum class DefaultAnswer { Yes, No };

    virtual ~Prompter() = default;

    // A notice: information icon, OK button.
    virtual void showInformation(const QString &text) = 0;
    // A notice under a title of its own in place of "Fichorama". Prompters that cannot show a title
    // show a plain notice.
    virtual void showTitledInformation(const QString & /*title*/, const QString &text)
    {
        showInformation(text);
    }
    // A refusal: exclamation icon, OK button.
    virtual void showExclamation(const QString &text) = 0;
    // A failure: error icon, OK button.
    virtual void showError(const QString &text) = 0;
    // A plain message: no icon, OK button (the HTML layout dialog's help). Shown as a notice unless the
    // Prompter can show a box without an icon.
    virtual void showPlain(const QString &text) { showInformation(text); }
    // A confirmation: question icon, Yes and No buttons. True when the user answers Yes; closing the box
    // counts as No.
    virtual bool askYesNo(const QString &text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes) = 0;
    // An input box with a prompt, pre-filled with `initial`; std::nullopt when the user cancels.
    virtual std::optional<QString> askText(const QString &prompt, const QString &initial) = 0;
};
