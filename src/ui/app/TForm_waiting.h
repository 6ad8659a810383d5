#pragma once

#include <QWidget>

// The please-wait window a long operation shows before it starts and hides when it ends.
class TForm_waiting : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_waiting(QWidget *parent = nullptr);

    // The one window of the program, created on first use.
    static TForm_waiting &instance();
    // Shows it centred on the desktop and paints it at once.
    static void begin();
    static void end();

    // Shown for as long as it lives, however the work it covers ends.
    struct During
    {
        During() { begin(); }
        ~During() { end(); }
        During(const During &) = delete;
        During &operator=(const During &) = delete;
    };
};
