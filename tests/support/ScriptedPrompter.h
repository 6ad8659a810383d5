#pragma once

#include "forms/app/Prompter.h"

#include <QQueue>
#include <QStringList>

// Records every text shown and answers questions and file dialogs from scripted queues.
// An unscripted question answers "no"/cancel and is recorded, so a test sees it.
class ScriptedPrompter : public Prompter
{
public:
    QStringList shown;        // every text, in order, as "info: …", "warning: …", "error: …", "confirm: …", "yesno: …", "input: <title>"
    QQueue<bool> answers;     // for confirm and askYesNo
    QQueue<QString> files;    // for the file dialogs
    QQueue<QString> inputs;   // for input boxes; an unscripted box is cancelled (empty text)

    void information(const QString &text) override { shown << QStringLiteral("info: ") + text; }
    void warning(const QString &text) override { shown << QStringLiteral("warning: ") + text; }
    void error(const QString &text) override { shown << QStringLiteral("error: ") + text; }
    bool confirm(const QString &text, const QString &) override { shown << QStringLiteral("confirm: ") + text; return next(); }
    bool askYesNo(const QString &text, const QString &) override { shown << QStringLiteral("yesno: ") + text; return next(); }
    QString openFileName(const QString &, const QString &, const QString &) override { return nextFile(); }
    QString saveFileName(const QString &, const QString &, const QString &) override { return nextFile(); }
    QString existingDirectory(const QString &, const QString &) override { return nextFile(); }
    QString inputText(const QString &title, const QString &, const QString &) override
    {
        shown << QStringLiteral("input: ") + title;
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }

    // The texts alone, whatever their kind.
    QStringList texts() const;
    QString last() const { return shown.isEmpty() ? QString() : texts().constLast(); }
    void clear() { shown.clear(); }

private:
    bool next() { return answers.isEmpty() ? false : answers.dequeue(); }
    QString nextFile() { return files.isEmpty() ? QString() : files.dequeue(); }
};
