#pragma once

#include <QDialog>

class QPushButton;

// Asked when the main window closes: back up and leave, leave, or stay.
class TForm_exit : public QDialog
{
    Q_OBJECT
public:
    enum class Answer { Exit, Backup, Cancel };

    explicit TForm_exit(QWidget *parent = nullptr);

    QPushButton *backupButton = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *cancelButton = nullptr;
    Answer answer() const { return m_answer; }

    void reject() override; // no close box; Escape does not answer

private:
    Answer m_answer = Answer::Exit;
};
