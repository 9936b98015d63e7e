#include "CommandLine.h"

#include "BuildConfig.h"

#include <QCommandLineParser>

#include <cstdio>

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QString::fromUtf8("vypíše tuto nápovědu"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QString::fromUtf8("vypíše verzi programu"));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QString::fromUtf8("SOUBOR"), {}, QString::fromUtf8("[SOUBOR]"));
    const bool understood = parser.parse(arguments);

    // Help and version are answered whatever else stands beside them.
    if (parser.isSet(help))
        return {CommandLine::Ask::Help,
                {},
                QString::fromUtf8(
                    "Použití: strunomat [SOUBOR]\n"
                    "Editor kytarových tabulatur.\n"
                    "\n"
                    "Soubor s příponou .tab se otevře jako tabulatura, jiný soubor se načte\n"
                    "jako textový tab.\n"
                    "\n"
                    "  -h, --help     vypíše tuto nápovědu\n"
                    "  -v, --version  vypíše verzi programu\n")};
    if (parser.isSet(version))
        return {CommandLine::Ask::Version,
                {},
                QString::fromUtf8(build_config::kProgramCaption) + QLatin1Char('\n')};

    const QString tryHelp = QString::fromUtf8("\nNápovědu vypíše strunomat --help.\n");
    if (!understood && !parser.unknownOptionNames().isEmpty())
        return {CommandLine::Ask::Mistake,
                {},
                QString::fromUtf8("strunomat: neznámá volba „%1“")
                        .arg(parser.unknownOptionNames().first()) +
                    tryHelp};
    const QStringList files = parser.positionalArguments();
    if (!understood || files.size() > 1)
        return {CommandLine::Ask::Mistake,
                {},
                QString::fromUtf8("strunomat: zadejte nejvýše jeden soubor") + tryHelp};
    return {CommandLine::Ask::Edit, files.value(0), {}};
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int answer(const CommandLine& command) {
    const bool mistake = command.ask == CommandLine::Ask::Mistake;
    std::fputs(command.text.toLocal8Bit().constData(), mistake ? stderr : stdout);
    return mistake ? 2 : 0;
}
