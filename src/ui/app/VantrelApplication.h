#pragma once

#include <QApplication>
#include <exception>

class Prompter;

// The one place where an error escaping a screen's handler is caught: the operator is told what
// happened and what to do, the handler is abandoned and the program goes on.
class VantrelApplication : public QApplication
{
public:
    VantrelApplication(int &argc, char **argv);

    void setPrompter(Prompter *prompter) { m_prompter = prompter; }
    bool notify(QObject *receiver, QEvent *event) override;

    // The operator's text for an error: a DbError's operatorMessage() (engine errors in Chinese
    // with the engine's words as a last line), otherwise the exception's own text. Screens that
    // catch an error themselves show this text too, so every error reads the same.
    static QString errorText(const std::exception &e);
    // Shows errorText(e) as an error box through the program's prompter.
    static void showError(const std::exception &e);

    // Chinese standard buttons and dialogs, the CJK font, "yyyy-MM-dd" dates.
    static void applyConventions(QApplication &app);

private:
    Prompter *m_prompter = nullptr;
};
