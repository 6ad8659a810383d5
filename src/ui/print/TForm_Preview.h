#pragma once

#include "print/print/PageStore.h"
#include "print/print/ReportPainter.h"

#include <QDialog>
#include <memory>

class Prompter;
class PreviewPageView;
class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class ReportLayout;
class ScreenKit;

// The print preview: pages through a document while its pages are still being counted, zooms,
// sets up the printer, prints and exports a PDF file. Printing, exporting and closing wait
// until every page is counted. A page is made when it is shown; printing and exporting make
// one page after the other (the progress window shows for long documents), so a document of
// thousands of pages is printed with the memory of one.
class TForm_Preview : public QDialog
{
    Q_OBJECT
public:
    TForm_Preview(Prompter &prompter, std::shared_ptr<PageStore> store, QWidget *parent = nullptr);
    ~TForm_Preview() override;

    // Makes the layout's pages in the background and shows them modally until closed.
    static void showDocument(Prompter &prompter, const ReportLayout &layout, QWidget *parent = nullptr);

    int currentPage() const { return m_current; } // 1-based
    int pageCount() const;
    double zoom() const;
    QString statusText() const;
    // The tool button whose hint is the text ("原始大小" … "退出", "导出PDF").
    QAction *action(const QString &hint) const;
    PageStore &store() const { return *m_store; }
    PreviewPageView *pageView() const { return m_view; }
    QScrollArea *scrollArea() const { return m_scroll; }
    // Prints to a PDF file instead of a printer (no printer needed).
    void setOutputFile(const QString &path);

    static QString statusFor(int pageCount, int current);

public slots:
    void actualSize();
    void fitWidth();
    void fitPage();
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void printerSetup();
    void print();
    void exit();
    void exportPdf();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void goTo(int page);
    void showPage();
    void updateStatus();
    void onProgress();
    bool printerAvailable() const;
    // The document's pages for the painter, made one by one as it paints them.
    ReportPainter::Pages allPages();

    Prompter &m_prompter;
    std::shared_ptr<PageStore> m_store;
    std::unique_ptr<QPrinter> m_printer;
    bool m_toFile = false;
    int m_current = 1;
    int m_shown = 0; // the page the view holds, 0 when none yet
    PreviewPageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_status = nullptr;
    ScreenKit *m_keys = nullptr;
    QList<QAction *> m_actions;
};
