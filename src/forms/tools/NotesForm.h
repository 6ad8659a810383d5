#pragma once

#include "data/tools/Note.h"

#include <QAbstractTableModel>
#include <QList>

struct AppContext;

// "记事本": the shared notebook, and the grid of its notes (subject, date, author). Changes are
// held here while the window is open and written when it closes, in one transaction; a note
// is dated today whenever a change of it is posted (on leaving it, or on closing).
class NotesForm : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int SubjectBytes = 90;
    static inline const QString SubjectTooLong = QStringLiteral("主题太长，请简写！");
    static inline const QString DeleteQuestion = QStringLiteral("确定删除吗？");

    explicit NotesForm(AppContext &ctx, QObject *parent = nullptr);

    // Reads every note; the first becomes current.
    void open();
    int currentRow() const { return m_current; }
    // Posts the note left, then makes the row current (-1: none).
    void setCurrentRow(int row);
    // The current note as it is now; an empty note when there is none.
    Note current() const;

    // Changes of the current note, as typed in the edit panel.
    void setSubject(const QString &text);
    void setAuthor(const QString &text);
    void setContent(const QString &text);

    // Enter in the subject: true when it fits (90 GBK bytes), otherwise the message is shown.
    bool checkSubject(const QString &text) const;
    // "新建[&N]": a new note by the operator at the end, made current; returns its row.
    int add();
    // "删除[&D]": asks, then deletes the current note; false when there is none or the operator
    // declines.
    bool remove();

    bool hasChanges() const;
    // Posts the current note and writes every change in one transaction, then reads the notes
    // again. Throws DbError: then nothing is written and the changes stay.
    void save();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        Note note;
        bool editing = false; // changed since it was last posted
        bool changed = false; // to be written
    };
    void post(int row);
    void edit(QString Note::*member, const QString &text);

    AppContext &m_ctx;
    QList<Entry> m_notes;
    QList<qint64> m_deleted;
    int m_current = -1;
};
