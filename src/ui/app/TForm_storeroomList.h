#pragma once

#include "forms/app/UserListForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class RowListModel;
class ScreenKit;

// "用户管理": the operators, one edited at a time.
class TForm_storeroomList : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_storeroomList(AppContext &ctx, QWidget *parent = nullptr);

    QTableView *grid = nullptr;
    QLineEdit *loginEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLineEdit *nameEdit = nullptr;
    QComboBox *roleBox = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exitButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Reads the table again and leaves editing.
    void browse();
    void fillGrid();
    void showFields();
    void readFields();
    void setEditing(bool editing);
    void saveOrBegin(QPushButton *button, bool isNew);
    QWidget *widgetFor(UserListForm::Field field) const;

    UserListForm m_form;
    RowListModel *m_rows = nullptr;
    ScreenKit *m_keys = nullptr;
    bool m_loaded = false;
    bool m_filling = false; // the list is being filled: its current row follows the form
};
