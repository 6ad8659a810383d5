#include "ui/kit/FieldMap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

QString FieldMap::text(const QWidget *input)
{
    if (auto *e = qobject_cast<const QLineEdit *>(input))
        return e->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(input))
        return m->toPlainText();
    if (auto *c = qobject_cast<const QComboBox *>(input))
        return c->currentText(); // a fixed box with nothing chosen: empty
    Q_ASSERT_X(false, "FieldMap::text", "not a text input");
    return {};
}

void FieldMap::setText(QWidget *input, const QString &text)
{
    if (FieldMap::text(input) == text)
        return;
    if (auto *e = qobject_cast<QLineEdit *>(input)) {
        e->setText(text);
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(input)) {
        m->setPlainText(text);
    } else if (auto *c = qobject_cast<QComboBox *>(input)) {
        // The item of that text; an editable box takes any other text as typed, a fixed one
        // chooses none rather than go on showing another value.
        const int i = c->findText(text);
        if (i >= 0 || !c->isEditable())
            c->setCurrentIndex(i);
        else
            c->setEditText(text);
    }
}

FieldMap::Entry &FieldMap::field(QWidget *input, QString *value, Walk walk)
{
    return add(input, [input, value] { *value = text(input); }, [input, value] { setText(input, *value); }, walk);
}

FieldMap::Entry &FieldMap::field(QDateEdit *input, QDate *value, Walk walk)
{
    return add(input, [input, value] { *value = input->date(); }, [input, value] { input->setDate(*value); }, walk);
}

FieldMap::Entry &FieldMap::field(QTimeEdit *input, QTime *value, Walk walk)
{
    return add(input, [input, value] { *value = input->time(); }, [input, value] { input->setTime(*value); }, walk);
}

FieldMap::Entry &FieldMap::field(QCheckBox *input, bool *value, Walk walk)
{
    return add(input, [input, value] { *value = input->isChecked(); },
               [input, value] { input->setChecked(*value); }, walk);
}

FieldMap::Entry &FieldMap::field(QWidget *input, std::function<QString()> show,
                                 std::function<void(const QString &)> read, Walk walk)
{
    std::function<void()> reader;
    if (read)
        reader = [input, read] { read(text(input)); };
    return add(input, std::move(reader), [input, show] { setText(input, show()); }, walk);
}

FieldMap::Entry &FieldMap::add(QWidget *input, std::function<void()> read, std::function<void()> show, Walk walk)
{
    Entry &e = m_entries.emplace_back();
    e.m_map = this;
    e.m_widget = input;
    e.m_read = std::move(read);
    e.m_show = std::move(show);
    m_keys->route(input, [this, &e] { return enter(e); }, walk);
    return e;
}

FieldMap::Step FieldMap::enter(Entry &entry)
{
    if (!entry.m_check)
        return entry.passed();
    read();
    const Step step = entry.m_check();
    show();
    return step;
}

void FieldMap::read() const
{
    for (const Entry &e : m_entries)
        if (e.m_read && e.m_widget)
            e.m_read();
}

void FieldMap::show() const
{
    for (const Entry &e : m_entries)
        if (e.m_widget)
            e.m_show();
}

void FieldMap::showField(int id) const
{
    for (const Entry &e : m_entries)
        if (e.m_id == id && e.m_widget)
            e.m_show();
}

QWidget *FieldMap::widget(int id) const
{
    for (const Entry &e : m_entries)
        if (e.m_id == id)
            return e.m_widget;
    return m_targets.value(id);
}
