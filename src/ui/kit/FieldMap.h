#pragma once

#include "ui/kit/ScreenKit.h"

#include <QDate>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QTime>
#include <deque>
#include <functional>
#include <optional>
#include <type_traits>

class QCheckBox;
class QDateEdit;
class QTimeEdit;

// The header fields of a screen, each declared once: the input, the form's member it shows, the
// form's name for it and the check Enter runs. From that one list come the copying both ways
// (read() puts every input into the form, show() every member on its input), the focus on the
// field a refused check or action names (focus(), go()) and the keyboard walk: each field takes
// its place in the screen's ScreenKit list as it is declared.
//
//     FieldMap m_fields{m_keys};
//     m_fields.field(numberEdit, &m_form.number).as(F::Number);
//     m_fields.field(customerEdit, &m_form.customer).as(F::Customer).check([this] { return m_form.lookUp(); });
//     m_fields.field(phoneEdit, &m_form.phone).as(F::Phone).check([this] { return m_form.checkPhone(); }).then(grid);
//     m_keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
//     m_fields.target(F::Lines, grid);
//     ...
//     m_fields.read();
//     m_fields.go(m_form.save()); // the screen shows the form, the focus goes where the save said
//
// Enter in a field with a check reads the screen into the form, runs the check and shows the form
// again. A check answers with a bool (true moves on: to then(), or along the walk; false keeps the
// focus in the field, its text selected), with one of the form's field names (the focus goes to
// that field's input: a field that stays refused names itself), or with a ScreenKit::Step. A field
// without a check moves on as the walk does, or to then().
//
// Texts are a line edit's text, a memo's plain text or a combo box's text (an editable box takes
// any text; a fixed one shows the item of that text, or none). An input is only set when its text
// differs, so the cursor of the field being typed in stays where it is.
class FieldMap
{
public:
    using Step = ScreenKit::Step;
    using Walk = ScreenKit::Walk;

    class Entry
    {
    public:
        // The form's name of the field, as its checks and actions return it.
        template <typename Id>
        Entry &as(Id id)
        {
            m_id = int(id);
            return *this;
        }
        // What Enter in the field runs between reading the screen and showing the form.
        template <typename Fn>
        Entry &check(Fn fn)
        {
            using R = std::invoke_result_t<Fn &>;
            if constexpr (std::is_void_v<R>)
                m_check = [this, fn]() mutable { return fn(), passed(); };
            else if constexpr (std::is_same_v<R, bool>)
                m_check = [this, fn]() mutable { return fn() ? passed() : Step::stay(); };
            else if constexpr (std::is_same_v<R, Step>)
                m_check = fn;
            else
                m_check = [this, fn]() mutable { return Step::to(m_map->widget(int(fn()))); };
            return *this;
        }
        // Where Enter leads once the field passed, instead of the next field of the walk.
        Entry &then(QWidget *target)
        {
            m_then = target;
            return *this;
        }

    private:
        friend class FieldMap;
        Step passed() const { return m_then ? Step::to(m_then) : Step::next(); }

        FieldMap *m_map = nullptr;
        QPointer<QWidget> m_widget;
        std::optional<int> m_id;
        std::function<void()> m_read;
        std::function<void()> m_show;
        std::function<Step()> m_check;
        QPointer<QWidget> m_then;
    };

    // keys: the screen's kit, which every field joins in the order declared.
    explicit FieldMap(ScreenKit *keys) : m_keys(keys) {}
    FieldMap(const FieldMap &) = delete;
    FieldMap &operator=(const FieldMap &) = delete;

    // A line edit, memo or combo box and its text.
    Entry &field(QWidget *input, QString *value, Walk walk = Walk::InWalk);
    Entry &field(QDateEdit *input, QDate *value, Walk walk = Walk::InWalk);
    Entry &field(QTimeEdit *input, QTime *value, Walk walk = Walk::InWalk);
    // A tick box: passed over by Enter unless told otherwise.
    Entry &field(QCheckBox *input, bool *value, Walk walk = Walk::Aside);
    // A text input whose value the form keeps in its own way (a date as text, an amount): show
    // gives the text to show; read (may be empty: shown only) takes the text typed.
    Entry &field(QWidget *input, std::function<QString()> show, std::function<void(const QString &)> read,
                 Walk walk = Walk::InWalk);

    // A widget that is not a field but where a field name leads (the action's button, a grid).
    template <typename Id>
    void target(Id id, QWidget *widget)
    {
        m_targets.insert(int(id), widget);
    }

    // Every input into the form; the form on every input; the form on the inputs of one field.
    void read() const;
    void show() const;
    template <typename Id>
    void show(Id id) const
    {
        showField(int(id));
    }

    // The input of a field (or its target); null for a name declared nowhere.
    template <typename Id>
    QWidget *widget(Id id) const
    {
        return widget(int(id));
    }
    QWidget *widget(int id) const;
    // The focus to a field's input, as the keyboard moves it (nothing for a name declared nowhere).
    template <typename Id>
    void focus(Id id) const
    {
        ScreenKit::focus(widget(int(id)));
    }
    // After an action: the form shown and the focus on the field it named.
    template <typename Id>
    void go(Id id) const
    {
        show();
        focus(id);
    }

    // An input's text and setting it (a line edit, memo or combo box), as the map reads and shows it.
    static QString text(const QWidget *input);
    static void setText(QWidget *input, const QString &text);

private:
    Entry &add(QWidget *input, std::function<void()> read, std::function<void()> show, Walk walk);
    void showField(int id) const;
    Step enter(Entry &entry);

    ScreenKit *m_keys;
    std::deque<Entry> m_entries; // a deque: entries stay where they are as the list grows
    QHash<int, QPointer<QWidget>> m_targets;
};
