#pragma once

#include <QApplication>

class Prompter;

// The one place where an error escaping a screen's handler is caught: the engine's message is
// shown, the handler is abandoned and the program goes on.
class VantrelApplication : public QApplication
{
public:
    VantrelApplication(int &argc, char **argv);

    void setPrompter(Prompter *prompter) { m_prompter = prompter; }
    bool notify(QObject *receiver, QEvent *event) override;

    // Chinese standard buttons and dialogs, the CJK font, "yyyy-MM-dd" dates.
    static void applyConventions(QApplication &app);

private:
    Prompter *m_prompter = nullptr;
};
