#pragma once

#include "forms/app/Prompter.h"

// Answers every question with a fixed answer and shows nothing: benchmarks measure the work,
// not the dialogs.
class SilentPrompter : public Prompter
{
public:
    explicit SilentPrompter(bool answer = false) : m_answer(answer) {}

    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &, const QString &) override { return m_answer; }
    bool askYesNo(const QString &, const QString &) override { return m_answer; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString existingDirectory(const QString &, const QString &) override { return {}; }

private:
    bool m_answer;
};
