#pragma once

#include "forms/app/Prompter.h"

class QWidget;

// The program's prompter: real Qt message boxes and file dialogs.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &proposed, const QString &filter) override;
    QString existingDirectory(const QString &caption, const QString &dir) override;
    QString inputText(const QString &title, const QString &prompt, const QString &defaultText) override;

private:
    QWidget *parentWidget() const;
    QWidget *m_parent;
};
