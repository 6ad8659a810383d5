#include "forms/tools/NotesForm.h"

#include "core/app/DateText.h"
#include "core/app/GbkText.h"
#include "data/tools/NotebookStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
enum Column { SubjectColumn, DateColumn, AuthorColumn, Columns };
}

NotesForm::NotesForm(AppContext &ctx, QObject *parent) : QAbstractTableModel(parent), m_ctx(ctx) {}

void NotesForm::open()
{
    beginResetModel();
    m_notes.clear();
    m_deleted.clear();
    for (const Note &n : NotebookStore(m_ctx.database()).all())
        m_notes << Entry{n};
    m_current = m_notes.isEmpty() ? -1 : 0;
    endResetModel();
}

void NotesForm::post(int row)
{
    if (row < 0 || row >= m_notes.size() || !m_notes[row].editing)
        return;
    Entry &e = m_notes[row];
    e.note.date = DateText::toText(m_ctx.today());
    e.editing = false;
    e.changed = true;
    emit dataChanged(index(row, 0), index(row, Columns - 1));
}

void NotesForm::setCurrentRow(int row)
{
    if (row == m_current)
        return;
    post(m_current);
    m_current = (row >= 0 && row < m_notes.size()) ? row : -1;
}

Note NotesForm::current() const
{
    return m_current >= 0 ? m_notes[m_current].note : Note();
}

void NotesForm::edit(QString Note::*member, const QString &text)
{
    if (m_current < 0 || m_notes[m_current].note.*member == text)
        return;
    Entry &e = m_notes[m_current];
    e.note.*member = text;
    e.editing = true;
    emit dataChanged(index(m_current, 0), index(m_current, Columns - 1));
}

void NotesForm::setSubject(const QString &text)
{
    edit(&Note::subject, text);
}

void NotesForm::setAuthor(const QString &text)
{
    edit(&Note::author, text);
}

void NotesForm::setContent(const QString &text)
{
    edit(&Note::content, text);
}

bool NotesForm::checkSubject(const QString &text) const
{
    if (GbkText::fits(text, SubjectBytes))
        return true;
    m_ctx.prompt().warning(SubjectTooLong);
    return false;
}

int NotesForm::add()
{
    post(m_current);
    const int row = int(m_notes.size());
    beginInsertRows(QModelIndex(), row, row);
    Entry e;
    e.note.author = m_ctx.OperatorName;
    e.editing = true; // posted like any other: dated when it is left or the window closes
    m_notes << e;
    endInsertRows();
    m_current = row;
    return row;
}

bool NotesForm::remove()
{
    if (m_current < 0)
        return false;
    if (!m_ctx.prompt().confirm(DeleteQuestion, QStringLiteral("请确认")))
        return false;
    const int row = m_current;
    beginRemoveRows(QModelIndex(), row, row);
    if (m_notes[row].note.key != 0)
        m_deleted << m_notes[row].note.key;
    m_notes.removeAt(row);
    endRemoveRows();
    m_current = m_notes.isEmpty() ? -1 : qMin(row, int(m_notes.size()) - 1);
    return true;
}

bool NotesForm::hasChanges() const
{
    if (!m_deleted.isEmpty())
        return true;
    for (const Entry &e : m_notes)
        if (e.editing || e.changed)
            return true;
    return false;
}

void NotesForm::save()
{
    post(m_current);
    QList<Note> changed;
    QList<Note> added;
    for (const Entry &e : std::as_const(m_notes)) {
        if (!e.changed)
            continue;
        (e.note.key == 0 ? added : changed) << e.note;
    }
    if (m_deleted.isEmpty() && changed.isEmpty() && added.isEmpty())
        return;
    NotebookStore(m_ctx.database()).save(m_deleted, changed, added);
    const int row = m_current;
    open();
    m_current = row < m_notes.size() ? row : m_current;
}

int NotesForm::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_notes.size());
}

int NotesForm::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant NotesForm::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const Note &n = m_notes[index.row()].note;
    switch (index.column()) {
    case SubjectColumn: return n.subject;
    case DateColumn: return n.date;
    case AuthorColumn: return n.author;
    default: return {};
    }
}

QVariant NotesForm::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case SubjectColumn: return QStringLiteral("主题");
    case DateColumn: return QStringLiteral("记事时间");
    case AuthorColumn: return QStringLiteral("记事人");
    default: return {};
    }
}
