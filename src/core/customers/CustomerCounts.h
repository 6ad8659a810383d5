#pragma once

// How many customers the directory holds, and how many were registered today and this month.
struct CustomerCounts
{
    int today = 0;
    int month = 0;
    int total = 0;
};
