#pragma once

#include "print/print/ReportLayout.h"
#include "print/print/ReportPage.h"

#include <QMutex>
#include <QObject>
#include <atomic>
#include <thread>

// The pages of one document while and after they are made. start() makes them on a worker
// thread of its own; the preview reads the count, the pages and the status from the
// user-interface thread at any time. progress() and finished() reach receivers on their own
// thread (queued). Destroying the store stops the worker and waits for it.
class PageStore : public QObject
{
    Q_OBJECT
public:
    explicit PageStore(const QString &documentName = QString(), QObject *parent = nullptr);
    ~PageStore() override;

    // Begins making the layout's pages in the background. Call once.
    void start(const ReportLayout &layout);

    // For pages made elsewhere: append them, then finish().
    void append(const ReportPage &page);
    void finish();

    QString documentName() const { return m_name; }
    int pageCount() const;
    bool isFinished() const;
    ReportPage page(int index) const; // 0-based; an empty page when out of range
    QList<ReportPage> pages() const;
    // Milliseconds the worker took, once finished.
    qint64 generationMs() const { return m_elapsedMs.load(); }

    // Blocks until finished or the timeout ran out; true when finished.
    bool waitForFinished(int timeoutMs = -1) const;

signals:
    void progress(int pageCount);
    void finished();

private:
    QString m_name;
    mutable QMutex m_mutex;
    QList<ReportPage> m_pages;
    std::atomic_bool m_finished{false};
    std::atomic_bool m_cancel{false};
    std::atomic<qint64> m_elapsedMs{0};
    std::thread m_worker;
};
