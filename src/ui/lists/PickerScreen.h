#pragma once

#include <QDialog>
#include <memory>

class PickerForm;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ScreenKit;
struct AppContext;

// The one window of every picker declared by a PickerDeclaration: the class box, the search text
// with its button and hint, and the read-only list of the picker's rows. Each TForm_ picker is
// this window on its form (see Picker); callers use its static entry point, which shows it
// modally and returns the choice.
//
// Keys: the search text first (the focus starts there; Enter finds, and the list takes the focus
// when something was found), the find button (set aside), the class box (each class chosen lists
// at once), then the list: Enter chooses the current row, as a double click does (a single click
// when the declaration says so). A picker without a search starts in its list.
class PickerScreen : public QDialog
{
    Q_OBJECT
public:
    ~PickerScreen() override;

    QComboBox *classBox = nullptr;   // null without classes
    QLineEdit *searchBox = nullptr;  // null without a search
    QPushButton *findButton = nullptr;
    QTableView *grid = nullptr;

    // Chooses a row of the list (-1: none) and closes: on an empty list the picker closes with no
    // choice, or stays, as declared.
    void chooseRow(int row);
    // Chooses the list's current row (the first when none is current).
    void chooseCurrent();

protected:
    PickerScreen(AppContext &ctx, std::unique_ptr<PickerForm> form, QWidget *parent);

    PickerForm &pickerForm() { return *m_form; }
    // Takes the row as the choice (a row of the list).
    virtual void take(int row) = 0;

    void showEvent(QShowEvent *event) override;

private:
    void onFind();

    std::unique_ptr<PickerForm> m_form;
    ScreenKit *m_keys = nullptr;
    bool m_loaded = false;
};
