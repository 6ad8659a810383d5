#pragma once

#include "core/app/Money.h"

#include <QString>

// A repair item as the repair-item picker offers it.
struct RepairItemChoice
{
    QString name; // "维修项目"
    Money charge; // "收费"
};
