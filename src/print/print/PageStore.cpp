#include "print/print/PageStore.h"

#include "print/print/ReportEngine.h"

#include <QTimer>

namespace {
constexpr int KeptPages = 8;
}

PageStore::PageStore(const QString &documentName, QObject *parent) : QObject(parent), m_name(documentName) {}

PageStore::~PageStore() = default;

void PageStore::start(const ReportLayout &layout)
{
    if (m_layout)
        return;
    m_layout = layout;
    if (!layout.source) {
        m_plan = PagePlan::of(*m_layout, layout.rows.size());
        emit progress(pageCount());
        finish();
        return;
    }
    // Page 1 needs its own rows only; one more tells whether there are others to count.
    const int first = PagePlan::firstPageRows(layout);
    QList<QStringList> rows = layout.source->rows(0, first + 1);
    if (rows.size() <= first) {
        m_plan = PagePlan::of(*m_layout, rows.size());
    } else {
        rows.removeLast();
        m_plan = PagePlan::of(*m_layout, first + 1); // page 1 as it is in any longer document
        m_counting = true;
    }
    m_kept.insert(0, ReportEngine::page(*m_layout, m_plan, 0, rows));
    m_keptOrder.append(0);
    emit progress(1);
    if (m_counting)
        QTimer::singleShot(0, this, [this] { count(); });
    else
        finish();
}

void PageStore::count()
{
    if (!m_counting)
        return;
    m_counting = false;
    try {
        const PagePlan plan = PagePlan::of(*m_layout, m_layout->source->count());
        if (plan.rowsOn(0) != m_plan.rowsOn(0) || plan.pageCount() == 1) {
            // The rows changed since page 1 was made: it is made again when asked.
            m_kept.clear();
            m_keptOrder.clear();
        }
        m_plan = plan;
    } catch (...) {
        m_error = std::current_exception();
        emit failed();
    }
    emit progress(pageCount());
    finish();
}

void PageStore::append(const ReportPage &page)
{
    m_appended.append(page);
    emit progress(pageCount());
}

void PageStore::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit finished();
}

int PageStore::pageCount() const
{
    if (!m_layout)
        return int(m_appended.size());
    return m_counting ? 1 : m_plan.pageCount();
}

ReportPage PageStore::make(int index) const
{
    if (!m_layout)
        return index >= 0 && index < m_appended.size() ? m_appended.at(index) : ReportPage();
    if (index < 0 || index >= pageCount())
        return ReportPage();
    return ReportEngine::page(*m_layout, m_plan, index, ReportEngine::rowsOf(*m_layout, m_plan, index));
}

ReportPage PageStore::page(int index) const
{
    if (!m_layout)
        return make(index);
    if (const auto it = m_kept.constFind(index); it != m_kept.constEnd())
        return *it;
    ReportPage made = make(index);
    if (index < 0 || index >= pageCount())
        return made;
    m_kept.insert(index, made);
    m_keptOrder.append(index);
    if (m_keptOrder.size() > KeptPages)
        m_kept.remove(m_keptOrder.takeFirst());
    return made;
}

bool PageStore::forEachPage(const std::function<bool(const ReportPage &page, int index)> &sink) const
{
    const int n = pageCount();
    for (int i = 0; i < n; ++i)
        if (!sink(make(i), i))
            return false;
    return true;
}

bool PageStore::waitForFinished(int)
{
    count();
    return m_finished;
}
