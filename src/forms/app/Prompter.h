#pragma once

#include <QString>

// Every message box, confirmation and file dialog goes through this interface: the program
// shows real dialogs, tests script the answers and record the texts.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    // OK/Cancel box; true for OK.
    virtual bool confirm(const QString &text, const QString &title = QStringLiteral("请确认")) = 0;
    // Yes/No box; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &title = QStringLiteral("请确认")) = 0;
    // Empty text when the dialog is cancelled.
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &proposed, const QString &filter) = 0;
    virtual QString existingDirectory(const QString &caption, const QString &dir) = 0;
    // One-line input box titled `title` with the prompt line and a default; empty text when cancelled.
    virtual QString inputText(const QString &title, const QString &prompt, const QString &defaultText)
    {
        Q_UNUSED(title); Q_UNUSED(prompt); Q_UNUSED(defaultText);
        return {};
    }
};
