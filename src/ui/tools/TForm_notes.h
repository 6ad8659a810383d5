#pragma once

#include "forms/tools/NotesForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableView;
class QTextEdit;

// "记事本": the notes in a grid, the current one in the edit panel below it. Leaving the window
// (by "退出[&E]", the close box or Esc) writes the changes; when that fails the window stays,
// with them.
class TForm_notes : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_notes(AppContext &ctx, QWidget *parent = nullptr);

    QTableView *grid = nullptr;
    QLineEdit *subjectEdit = nullptr;
    QLineEdit *authorEdit = nullptr;
    QTextEdit *contentEdit = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exitButton = nullptr;

    NotesForm &form() { return m_form; }

public slots:
    void done(int result) override;

private:
    void showCurrent();

    AppContext &m_ctx;
    NotesForm m_form;
    bool m_filling = false;
};
