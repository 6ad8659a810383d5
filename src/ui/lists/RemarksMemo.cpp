#include "ui/lists/RemarksMemo.h"

#include "forms/lists/ListForm.h"
#include "ui/lists/ListScreen.h"

#include <QPlainTextEdit>

RemarksMemo::RemarksMemo(ListScreen *list, ListForm &form, QPlainTextEdit *edit, Read read, Write write)
    : QObject(list), m_form(form), m_edit(edit), m_read(std::move(read)), m_write(std::move(write))
{
    connect(list, &ListScreen::aboutToList, this, [this] {
        save();
        m_row = -1;
    });
    connect(list, &ListScreen::currentRowChanged, this, [this](int row) {
        save();
        show(row);
    });
}

void RemarksMemo::save()
{
    if (m_row >= 0 && m_row < m_form.rowCount())
        m_write(m_row, m_edit->toPlainText());
}

void RemarksMemo::show(int row)
{
    m_row = row;
    m_edit->setPlainText(row >= 0 ? m_read(row) : QString());
}
