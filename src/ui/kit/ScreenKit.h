#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class Prompter;
class QAbstractButton;
class QKeySequence;
class QLabel;
class QWidget;

// How a screen is worked from the keyboard, and the boundary its actions run behind.
//
// A screen makes one kit and declares its inputs and buttons in one ordered list:
//
//     auto *keys = new ScreenKit(this, ctx.prompter);
//     grid->addWidget(ScreenKit::caption(nameEdit, QStringLiteral("姓  名：")), 0, 0);
//     keys->field(nameEdit, [this] { return m_form.checkName(nameEdit->text()); });
//     keys->field(remarksEdit);                       // a memo: Tab leaves it, Enter makes a new line
//     keys->button(saveButton, [this] { onSave(); });
//     keys->onError([this] { refill(); });
//
// The list is the tab order (in a dialog Tab and Shift+Tab go round it; elsewhere they go on
// past its ends in the window's order) and the Enter walk. Its first entry open for typing gets
// the focus when the screen is first shown (startAt() names another). Enter in a field runs its
// check: a check that refuses keeps the focus in the field (its text selected), one that passes
// moves the focus to the next field of the walk, passing over entries set aside and those
// disabled, hidden or read-only (a read-only field is not checked). Enter on a focused button
// presses it, listed or not. A memo passes Tab on and keeps Enter for its new lines. Read-only
// inputs of the list sit on the window's colour.
//
// Every action (a button's click by mouse, Enter, Space or mnemonic; a shortcut) and every check
// runs through run(): a database error stops it, is shown through the program's one error sink
// (VantrelApplication::showError), and then the screen's onError() hook puts the screen back in
// step with the database.
//
// caption() is the one way to give an input its caption.
class ScreenKit : public QObject
{
    Q_OBJECT
public:
    // Where Enter in a field leads once its route ran.
    class Step
    {
    public:
        static Step next() { return Step(Kind::Next, nullptr); }  // on along the walk
        static Step stay() { return Step(Kind::Stay, nullptr); }  // the focus stays in the field
        static Step to(QWidget *w) { return Step(Kind::To, w); }  // straight to w (null: stay)
        static Step press(QAbstractButton *b);                    // to the button, and press it
        static Step done() { return Step(Kind::Done, nullptr); }  // the route placed the focus itself

    private:
        friend class ScreenKit;
        enum class Kind { Next, Stay, To, Press, Done };
        Step(Kind kind, QWidget *target) : m_kind(kind), m_target(target) {}
        Kind m_kind;
        QWidget *m_target;
    };

    // How an entry takes part in the Enter walk; every entry is in the tab order.
    enum class Walk {
        InWalk,  // Enter in the field before lands here
        Aside,   // passed over (a tick box, a helper button); Enter in it still moves on
        OwnKeys, // passed over, and Enter in it is the widget's own (a memo, an editing grid)
    };

    using Check = std::function<bool()>; // false: refused, the focus stays
    using Route = std::function<Step()>;
    using Action = std::function<void()>;

    // prompter: where a database error is shown; null shows the program's plain error box.
    explicit ScreenKit(QWidget *screen, Prompter *prompter = nullptr);

    // Names an input by its caption: a label with the input as its buddy (Alt + the caption's
    // mnemonic focuses it); the input's accessible name is the caption.
    static QLabel *caption(QWidget *input, const QString &text);

    // The ordered list. Each call appends one entry and returns it.
    QWidget *field(QWidget *input, Check check = {}, Walk walk = Walk::InWalk);
    QWidget *route(QWidget *input, Route route, Walk walk = Walk::InWalk);
    // A button whose click runs action through the kit (null action: the button keeps its own
    // connections and only takes its place in the list).
    QAbstractButton *button(QAbstractButton *button, Action action, Walk walk = Walk::InWalk);

    // The widget that gets the focus when the screen is first shown (default: the first entry
    // open for typing). Called once the screen is shown, it moves the focus there at once.
    void startAt(QWidget *widget);
    // Puts the screen back in step with the database after an action or a check failed on a
    // database error.
    void onError(Action restore);
    // A key combination that runs action while the focus is in `where` (the screen: anywhere in it).
    void shortcut(QWidget *where, const QKeySequence &keys, Action action);

    // Runs a handler behind the error boundary; false when a database error stopped it.
    bool run(const Action &action);
    // Gives an input the look of its state: a read-only one sits on the window's colour (the
    // entries of the list get it by themselves; this is for read-only inputs outside it).
    static void showReadOnly(QWidget *w);
    // Moves the focus as the keyboard does (the focus ring shows, a line edit's text is selected).
    static void focus(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        Route route;
        Walk walk;
    };

    QWidget *add(QWidget *widget, Route route, Walk walk);
    int indexOf(const QObject *watched) const;
    void enter(int index);
    void go(const Step &step, int from);
    QWidget *nextAfter(int index) const;
    QWidget *neighbour(int index, int direction) const; // Tab and Shift+Tab
    void giveFirstFocus();
    void watchButtons();
    static bool isButton(const QWidget *w);

    QWidget *m_screen;
    Prompter *m_prompter;
    QList<Entry> m_entries;
    QPointer<QWidget> m_start;
    Action m_restore;
    bool m_shown = false;
};
