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

    // The operator's text for an error: a DbError's operatorMessage() (engine errors in Chinese,
    // saying what to do, with the engine's words as a last line), otherwise the exception's own
    // text.
    static QString errorText(const std::exception &error);
    // The program's one sink for an error that ends a handler: errorText(), shown through the
    // prompter (a plain error box when there is none). Screens that catch a database error at
    // their own boundary show it here too.
    static void showError(Prompter *prompter, const std::exception &error);

    // Chinese standard buttons and dialogs, the CJK font, "yyyy-MM-dd" dates, the focus ring.
    static void applyConventions(QApplication &app);

private:
    Prompter *m_prompter = nullptr;
};
