#pragma once

#include <QDialog>
#include <QPointer>

class QProgressBar;
class QPushButton;

// The progress window of long operations: the caller sets the range and advances the bar.
class TForm_Importprocess : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_Importprocess(QWidget *parent = nullptr);

    QProgressBar *progress = nullptr;
    QPushButton *cancelButton = nullptr; // shown by allowCancel()
    void setRange(int minimum, int maximum);
    // Sets the bar and paints it at once, as the work runs on the interface thread.
    void setValue(int value);

    // Work that can stop half-way offers "取消[&C]" (and Esc): the window then takes the
    // operator's keys and clicks while it paints, and cancelled() tells the work to stop.
    void allowCancel();
    bool cancelled() const { return m_cancelled; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPointer<QWidget> m_activeBefore; // the window the keys go back to when the work ends
    bool m_cancellable = false;
    bool m_cancelled = false;
};
