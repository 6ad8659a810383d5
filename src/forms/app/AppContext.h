#pragma once

#include <QDate>
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
    QDate today() const { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }

    Database &database() const { return *db; }
    Prompter &prompt() const { return *prompter; }
};
