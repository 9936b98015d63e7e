#pragma once

#include <QString>
#include <QStringList>

// What the program is asked to do when started as `strunomat [FILE]`.
struct CommandLine {
    enum class Ask { Edit, Help, Version, Mistake };
    Ask ask = Ask::Edit;
    // The file to open, empty for the start-up document.
    QString file;
    // For Help and Version what to print, for Mistake what was wrong; in Czech.
    QString text;
};

// The arguments as the program got them, its own name first.
CommandLine readCommandLine(const QStringList& arguments);

// The arguments of main() as text.
QStringList argumentsOf(int argc, char* argv[]);

// Prints the help or the version on standard output, or the mistake on standard error, and
// gives the exit status: 0, or 2 for a mistake.
int answer(const CommandLine& command);
