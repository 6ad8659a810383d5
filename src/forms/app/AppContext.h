#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Database;
class Prompter;

// The process-wide values every screen reads, handed to screens instead of kept in globals,
// so a test can build any screen against a temporary database.
struct AppContext
{
    QString AppDir;              // directory of the executable
    QString ConnStr;             // the database file path
    QString OperatorName;        // set by the login
    quint32 OperatorRights = 0;  // rights word of the logged-in operator
    int StockWarningMode = 0;    // 1 after the welcome screen's below-warning link
    QString settingsFile;        // INI file of the installation record

    Database *db = nullptr;
    Prompter *prompter = nullptr;

    QDate fixedToday; // tests pin "today"; invalid means the real date
    QDateTime fixedNow; // tests pin the time of day too; when valid its date is "today"
    QDate today() const
    {
        return fixedNow.isValid() ? fixedNow.date() : fixedToday.isValid() ? fixedToday : QDate::currentDate();
    }
    // The moment, with its time of day (a pinned "today" alone keeps the real time of day).
    QDateTime now() const
    {
        if (fixedNow.isValid())
            return fixedNow;
        return fixedToday.isValid() ? QDateTime(fixedToday, QTime::currentTime()) : QDateTime::currentDateTime();
    }

    Database &database() const { return *db; }
    Prompter &prompt() const { return *prompter; }
};
