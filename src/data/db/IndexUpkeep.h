#pragma once

#include <functional>

class Database;

// Keeps a file's indexes and the engine's statistics in step with the program. Lists are planned
// so that they stay quick without statistics (shop files have none); these only help.
namespace IndexUpkeep {
// Creates the indexes of the schema registry that the file lacks: a file written by an earlier
// release gets the indexes its lists now sort and filter on. A file that cannot be written is
// left as it is.
void addMissing(Database &db);
// Called before and after addMissing builds indexes (seconds on a large file) so that the program
// can show it is working; never called when nothing is missing. Unset by default.
void setBuildingNotice(std::function<void()> begin, std::function<void()> end);
// Lets the engine refresh the statistics its recent statements would use, with a bounded effort
// so that closing stays quick on a large file. Errors are ignored: this only helps.
void optimize(Database &db);
}
