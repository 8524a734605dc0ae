#pragma once
// How zu6400ctl words its usage: the lines of its help, lists of choices and
// the one line of a usage error.

#include <QString>
#include <QStringList>

// A help line: the synopsis, then its description in a column of its own.
QString UsageLine(const QString& synopsis, const QString& description);

// Prints "zu6400ctl: <problem>" and a pointer to --help to standard error;
// gives exit status 2.
int UsageError(const QString& problem);
