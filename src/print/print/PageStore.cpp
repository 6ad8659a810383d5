#include "print/print/PageStore.h"

#include "print/print/ReportEngine.h"

#include <QElapsedTimer>
#include <QThread>

PageStore::PageStore(const QString &documentName, QObject *parent) : QObject(parent), m_name(documentName) {}

PageStore::~PageStore()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void PageStore::start(const ReportLayout &layout)
{
    if (m_worker.joinable())
        return;
    m_worker = std::thread([this, layout] {
        QElapsedTimer timer;
        timer.start();
        ReportEngine::generate(layout, [this](ReportPage &&page) {
            if (m_cancel)
                return false;
            int count;
            {
                QMutexLocker lock(&m_mutex);
                m_pages.append(std::move(page));
                count = int(m_pages.size());
            }
            emit progress(count);
            return !m_cancel.load();
        });
        m_elapsedMs = timer.elapsed();
        finish();
    });
}

void PageStore::append(const ReportPage &page)
{
    int count;
    {
        QMutexLocker lock(&m_mutex);
        m_pages.append(page);
        count = int(m_pages.size());
    }
    emit progress(count);
}

void PageStore::finish()
{
    if (m_finished.exchange(true))
        return;
    emit finished();
}

int PageStore::pageCount() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_pages.size());
}

bool PageStore::isFinished() const
{
    return m_finished.load();
}

ReportPage PageStore::page(int index) const
{
    QMutexLocker lock(&m_mutex);
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : ReportPage();
}

QList<ReportPage> PageStore::pages() const
{
    QMutexLocker lock(&m_mutex);
    return m_pages;
}

bool PageStore::waitForFinished(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeoutMs));
    while (!m_finished.load()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
    return true;
}
