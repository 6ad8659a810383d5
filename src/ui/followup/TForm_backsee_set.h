#pragma once

#include "forms/followup/FollowUpSettingsForm.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
struct AppContext;

// "回访设置": when planned visits fall due and expire, which business is followed up and which
// customer classes. Nothing is stored until "确定[&O]"; "取消[&C]" (or Esc) stores nothing.
//
// Keys: the focus starts in the first day box; Enter goes to the second and on to "确定[&O]";
// the tick boxes are reached with Tab and ticked with Space.
class TForm_backsee_set : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_backsee_set(AppContext &ctx, QWidget *parent = nullptr);

    FollowUpSettingsForm &form() { return m_form; }

    QLineEdit *startEdit;
    QLineEdit *stopEdit;
    QCheckBox *expiryBox;
    QCheckBox *repairsBox;
    QCheckBox *salesBox;
    QList<QCheckBox *> classBoxes; // one per customer class, in table order
    QPushButton *okButton;
    QPushButton *cancelButton;

    void onOk();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FollowUpSettingsForm m_form;
    QScrollArea *m_scroll = nullptr;
};
