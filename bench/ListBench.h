#pragma once

#include "ProcessMemory.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

// What the list benchmarks share: a workspace that holds a screen as the main window holds it
// (a maximised sub-window), and scrolling a grid to the end of its list.
namespace ListBench {

// Lets the screen lay itself out and paint, as it would before the operator sees it.
inline void settle()
{
    QCoreApplication::processEvents();
}

inline QMdiSubWindow *show(QMdiArea &workspace, QWidget *screen)
{
    QMdiSubWindow *w = workspace.addSubWindow(screen);
    w->showMaximized();
    settle();
    return w;
}

// Pages a grid to the end of its list, as the grid asks when its scroll bar reaches the bottom,
// then shows the last rows. The grid takes in every page (its rows and header grow); it paints
// once, at the end.
inline int scrollToEnd(QTableView *grid)
{
    QAbstractItemModel *model = grid->model();
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    grid->scrollToBottom();
    settle();
    return model->rowCount();
}

// One step of the operator's scrolling deep in a list: the scroll bar dragged to the bottom, the
// grid fetches the next page and paints. Returns false at the end of the list.
inline bool scrollStep(QTableView *grid)
{
    if (!grid->model()->canFetchMore(QModelIndex()))
        return false;
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    settle();
    return true;
}

inline void reportMemory(benchmark::State &state)
{
    state.counters["rss_MB"] = ProcessMemory::residentMb();
    state.counters["peak_rss_MB"] = ProcessMemory::peakMb();
}
} // namespace ListBench
