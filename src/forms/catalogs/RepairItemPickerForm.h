#pragma once

#include "forms/catalogs/RepairItemChoice.h"

#include <QList>

struct AppContext;

// The repair-item picker's list: every item of the repair-item catalog with its charge, in
// table order (an empty charge counts as none).
class RepairItemPickerForm
{
public:
    explicit RepairItemPickerForm(AppContext &ctx) : m_ctx(ctx) {}

    QList<RepairItemChoice> items() const;

private:
    AppContext &m_ctx;
};
