#pragma once

#include "forms/stock/StockMoveForm.h"
#include "ui/bills/BillScreen.h"

#include <QList>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The common part of the stock-in and stock-out screens: the bill's title, its header in rows of
// three caption/input pairs (number, operator, date and reason, and a screen's own fields), the
// lines, "保存后继续…", and the save, clear and close buttons. The keyboard walks the header in
// its order (number, operator and date are filled in), the lines with the grid's own Enter walk,
// and from an empty line on to the save button. A save that refuses leaves everything as it
// was; one that goes on starts the next bill on line 1.
class StockMoveScreen : public BillScreen
{
    Q_OBJECT
public:
    QLineEdit *billNumberEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QComboBox *reasonBox = nullptr;
    QCheckBox *continueBox = nullptr;
    QPushButton *clearButton = nullptr;

protected:
    StockMoveScreen(AppContext &ctx, QWidget *parent);

    struct Look
    {
        QString title;
        // The header's caption/input pairs in order; the last leads to the lines.
        QList<std::pair<QString, QWidget *>> header;
        QStringList reasons;
        QString continueCaption;
        QPushButton *saveButton;
        QString clearCaption;
        QPushButton *closeButton;
        QWidget *start; // where the focus starts
        int width;      // the least width that shows the whole bill
    };
    // Lays the screen out and sets its keys; called once, from the screen's constructor.
    void build(StockMoveForm &form, const Look &look);

    // The screen's own header fields, to the form and from it.
    virtual void readOwnHeader() {}
    virtual void showOwnHeader() {}
    // The save: the stock-in or the stock-out.
    virtual StockMoveForm::Outcome save() = 0;

private:
    void opened() override;
    void readHeader();
    void onSave();

    StockMoveForm *m_form = nullptr;
};
