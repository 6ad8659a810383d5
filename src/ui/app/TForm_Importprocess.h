#pragma once

#include <QDialog>

class QProgressBar;

// The progress window of long operations: the caller sets the range and advances the bar.
class TForm_Importprocess : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_Importprocess(QWidget *parent = nullptr);

    QProgressBar *progress = nullptr;
    void setRange(int minimum, int maximum);
    // Sets the bar and paints it at once, as the work runs on the interface thread.
    void setValue(int value);
};
