#include "ui/kit/ScreenKit.h"

#include "data/db/DbError.h"
#include "ui/app/VantrelApplication.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace {
bool isMemo(const QWidget *w)
{
    return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

bool isReadOnly(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->isReadOnly();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(w))
        return m->isReadOnly();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->isReadOnly();
    if (auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return s->isReadOnly();
    return false;
}

// The line edit a combo or date box types into; its keys are the box's keys.
QLineEdit *innerEdit(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->lineEdit();
    if (qobject_cast<QAbstractSpinBox *>(w))
        return w->findChild<QLineEdit *>();
    return nullptr;
}

bool canTakeFocus(const QWidget *w)
{
    return w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}
} // namespace

ScreenKit::Step ScreenKit::Step::press(QAbstractButton *b)
{
    return Step(Kind::Press, b);
}

ScreenKit::ScreenKit(QWidget *screen, Prompter *prompter) : QObject(screen), m_screen(screen), m_prompter(prompter)
{
    screen->installEventFilter(this);
}

QLabel *ScreenKit::caption(QWidget *input, const QString &text)
{
    auto *label = new QLabel(text, input->parentWidget());
    label->setBuddy(input);
    input->setAccessibleName(text);
    return label;
}

QWidget *ScreenKit::field(QWidget *input, Check check, Walk walk)
{
    if (!check)
        return add(input, {}, walk);
    return add(input, [check] { return check() ? Step::next() : Step::stay(); }, walk);
}

QWidget *ScreenKit::route(QWidget *input, Route route, Walk walk)
{
    return add(input, std::move(route), walk);
}

QAbstractButton *ScreenKit::button(QAbstractButton *b, Action action, Walk walk)
{
    if (auto *push = qobject_cast<QPushButton *>(b))
        push->setAutoDefault(false); // Enter is the kit's; a dialog's default button would press twice
    add(b, {}, walk);
    if (action)
        connect(b, &QAbstractButton::clicked, this, [this, action] { run(action); });
    return b;
}

QWidget *ScreenKit::add(QWidget *widget, Route route, Walk walk)
{
    if (isMemo(widget)) {
        // Tab leaves a memo; Enter stays its own (a new line).
        if (auto *m = qobject_cast<QPlainTextEdit *>(widget))
            m->setTabChangesFocus(true);
        else if (auto *t = qobject_cast<QTextEdit *>(widget))
            t->setTabChangesFocus(true);
        walk = Walk::OwnKeys;
        route = {};
    }
    m_entries.append({widget, std::move(route), walk});
    widget->installEventFilter(this);
    if (QLineEdit *inner = innerEdit(widget))
        inner->installEventFilter(this);
    showReadOnly(widget);
    return widget;
}

void ScreenKit::startAt(QWidget *widget)
{
    m_start = widget;
    if (m_shown && widget)
        focus(widget);
}

void ScreenKit::onError(Action restore)
{
    m_restore = std::move(restore);
}

void ScreenKit::shortcut(QWidget *where, const QKeySequence &keys, Action action)
{
    auto *s = new QShortcut(keys, where);
    s->setContext(where == m_screen ? Qt::WindowShortcut : Qt::WidgetShortcut);
    connect(s, &QShortcut::activated, this, [this, action] { run(action); });
}

bool ScreenKit::run(const Action &action)
{
    try {
        action();
        return true;
    } catch (const DbError &e) {
        VantrelApplication::showError(m_prompter, e);
    }
    if (m_restore) {
        try {
            m_restore();
        } catch (const DbError &e) {
            VantrelApplication::showError(m_prompter, e); // the file is gone too far to re-read
        }
    }
    return false;
}

void ScreenKit::focus(QWidget *widget)
{
    if (!widget)
        return;
    // As if the operator had tabbed there: the focus ring shows and a line edit's text is selected.
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::TabFocusReason);
}

int ScreenKit::indexOf(const QObject *watched) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        const QWidget *w = m_entries.at(i).widget;
        if (w && (w == watched || innerEdit(const_cast<QWidget *>(w)) == watched))
            return i;
    }
    return -1;
}

bool ScreenKit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched == m_screen && !m_shown) {
            m_shown = true;
            watchButtons();
            // Before the screen's own show handling, which may still move the focus on purpose.
            giveFirstFocus();
        }
        break;
    case QEvent::ReadOnlyChange:
        if (auto *w = qobject_cast<QWidget *>(watched))
            showReadOnly(w);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const int index = indexOf(watched);
            if (index < 0 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                break;
            if (auto *view = qobject_cast<QAbstractItemView *>(m_entries.at(index).widget); view && view->tabKeyNavigation())
                break; // a grid that moves between its cells with Tab
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (QWidget *to = neighbour(index, back ? -1 : 1)) {
                focus(to);
                return true;
            }
            break;
        }
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        if (key->modifiers() & ~Qt::KeypadModifier)
            break; // Ctrl+Enter and the like stay the widget's own
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || w == m_screen)
            break;
        const int index = indexOf(watched);
        if (index >= 0 && m_entries.at(index).walk == Walk::OwnKeys)
            break;
        if (index < 0 && !isButton(w))
            break;
        if (index >= 0)
            enter(index);
        else
            static_cast<QAbstractButton *>(w)->click();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ScreenKit::enter(int index)
{
    const Entry entry = m_entries.at(index);
    if (isButton(entry.widget)) {
        static_cast<QAbstractButton *>(entry.widget.data())->click();
        return;
    }
    // A read-only field is not being edited: nothing to check, Enter only moves on.
    Step step = Step::next();
    if (entry.route && !isReadOnly(entry.widget) && !run([&] { step = entry.route(); }))
        step = Step::stay();
    go(step, index);
}

void ScreenKit::go(const Step &step, int from)
{
    switch (step.m_kind) {
    case Step::Kind::Next:
        if (QWidget *next = nextAfter(from))
            focus(next);
        return;
    case Step::Kind::Stay:
        break;
    case Step::Kind::To:
        if (step.m_target && step.m_target != m_entries.at(from).widget) {
            focus(step.m_target);
            return;
        }
        break; // back to the field itself: as refused
    case Step::Kind::Press:
        focus(step.m_target);
        static_cast<QAbstractButton *>(step.m_target)->click();
        return;
    case Step::Kind::Done:
        return;
    }
    // A refused field keeps the focus, even when a message box took it meanwhile, with its text
    // selected for typing again.
    QWidget *w = m_entries.at(from).widget;
    if (!w || !w->isVisible())
        return;
    focus(w);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->selectAll();
    else if (QLineEdit *inner = innerEdit(w))
        inner->selectAll();
}

QWidget *ScreenKit::neighbour(int index, int direction) const
{
    // A dialog's list is all of it: Tab goes round. A screen inside another window (the main
    // window's column, a workspace screen) hands Tab on past its ends to the window's own order.
    const bool round = qobject_cast<QDialog *>(m_screen);
    const int n = int(m_entries.size());
    for (int step = 1; step < n; ++step) {
        const int i = index + direction * step;
        if (!round && (i < 0 || i >= n))
            return nullptr;
        QWidget *w = m_entries.at((i % n + n) % n).widget;
        if (canTakeFocus(w))
            return w;
    }
    return nullptr;
}

QWidget *ScreenKit::nextAfter(int index) const
{
    for (int i = index + 1; i < m_entries.size(); ++i) {
        const Entry &e = m_entries.at(i);
        if (e.walk == Walk::InWalk && canTakeFocus(e.widget) && !isReadOnly(e.widget))
            return e.widget;
    }
    return nullptr;
}

void ScreenKit::giveFirstFocus()
{
    // The named start, else the first entry to type in, else the first that takes the focus.
    QWidget *target = m_start;
    for (int i = 0; !target && i < m_entries.size(); ++i)
        if (canTakeFocus(m_entries.at(i).widget) && !isReadOnly(m_entries.at(i).widget))
            target = m_entries.at(i).widget;
    for (int i = 0; !target && i < m_entries.size(); ++i)
        if (canTakeFocus(m_entries.at(i).widget))
            target = m_entries.at(i).widget;
    focus(target);
}

void ScreenKit::watchButtons()
{
    // Buttons outside the list are pressed by Enter as well.
    for (QAbstractButton *b : m_screen->findChildren<QAbstractButton *>()) {
        if (!isButton(b) || indexOf(b) >= 0)
            continue;
        if (auto *push = qobject_cast<QPushButton *>(b))
            push->setAutoDefault(false);
        b->installEventFilter(this);
    }
}

bool ScreenKit::isButton(const QWidget *w)
{
    return qobject_cast<const QPushButton *>(w) || qobject_cast<const QToolButton *>(w);
}

void ScreenKit::showReadOnly(QWidget *w)
{
    if (!isMemo(w) && !qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w))
        return;
    // A read-only input sits on the window's colour, so it does not invite typing.
    const QPalette normal = QApplication::palette(w);
    QPalette p = w->palette();
    p.setColor(QPalette::Base, isReadOnly(w) ? normal.color(QPalette::Window) : normal.color(QPalette::Base));
    w->setPalette(p);
}
