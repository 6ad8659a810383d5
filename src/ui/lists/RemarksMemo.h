#pragma once

#include <QObject>
#include <functional>

class ListForm;
class ListScreen;
class QPlainTextEdit;

// The remarks memo under a list: it shows the current row's remarks and writes what was typed
// when the current row changes, before the list is listed again, and on save() (before an action
// that leaves the row, such as a printout or the details window).
class RemarksMemo : public QObject
{
    Q_OBJECT
public:
    using Read = std::function<QString(int row)>;
    // Writes the memo's text to the row's record (nothing when it did not change).
    using Write = std::function<void(int row, const QString &text)>;

    RemarksMemo(ListScreen *list, ListForm &form, QPlainTextEdit *edit, Read read, Write write);

    void save();

private:
    void show(int row);

    ListForm &m_form;
    QPlainTextEdit *m_edit;
    Read m_read;
    Write m_write;
    int m_row = -1; // the row whose remarks the memo shows
};
