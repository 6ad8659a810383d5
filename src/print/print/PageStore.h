#pragma once

#include "print/print/PagePlan.h"
#include "print/print/ReportLayout.h"
#include "print/print/ReportPage.h"

#include <QHash>
#include <QObject>
#include <exception>
#include <functional>
#include <optional>

// The pages of one document, made as they are asked for. start() makes page 1 at once (reading
// only its rows) and counts the rest on the next turn of the event loop, so the preview shows
// the first page of a list of every customer while the others are still being counted; a page is
// then made when it is shown, and printing or writing a file makes one page after the other,
// letting each go once it is painted: a document of thousands of pages takes the memory of one.
//
// Pages made elsewhere (tests, a document of its own) can be appended instead, then finish().
// Everything runs on the thread that owns the store, the one that reads the rows.
class PageStore : public QObject
{
    Q_OBJECT
public:
    explicit PageStore(const QString &documentName = QString(), QObject *parent = nullptr);
    ~PageStore() override;

    // Lays the layout out. Call once. Throws what the layout's row source throws reading the
    // rows of page 1; an error counting the rest is kept (error()) and reported by failed().
    void start(const ReportLayout &layout);

    // For pages made elsewhere: append them, then finish().
    void append(const ReportPage &page);
    void finish();

    QString documentName() const { return m_name; }
    // The pages known: 1 while the rest is being counted, then all of them.
    int pageCount() const;
    bool isFinished() const { return m_finished; }
    // The page (0-based), made now unless it was made lately; an empty page when out of range.
    // Throws what the row source throws.
    ReportPage page(int index) const;
    // Every page in order, each made when reached and let go once the sink has it; the sink
    // returns false to stop. Returns false when it stopped. Throws what the row source throws.
    bool forEachPage(const std::function<bool(const ReportPage &page, int index)> &sink) const;

    // Counts the pages now when they are still to be counted; true when finished. The timeout is
    // kept for callers of old: counting does not wait on anything.
    bool waitForFinished(int timeoutMs = -1);
    // What stopped the counting, if anything.
    std::exception_ptr error() const { return m_error; }

signals:
    void progress(int pageCount);
    void finished();
    void failed();

private:
    void count();
    ReportPage make(int index) const;

    QString m_name;
    std::optional<ReportLayout> m_layout; // a laid-out document; none for appended pages
    PagePlan m_plan;
    QList<ReportPage> m_appended;
    bool m_finished = false;
    bool m_counting = false; // page 1 is known, the rest is still to be counted
    std::exception_ptr m_error;
    // The pages shown lately, so paging back and forth does not read their rows again.
    mutable QHash<int, ReportPage> m_kept;
    mutable QList<int> m_keptOrder;
};
