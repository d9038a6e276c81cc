// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// observacao-host: a host for the observation module, for trying it by hand, for
// learning how to integrate it, and for driving it from scripts.

#include "demo/app/DatabaseSource.h"
#include "demo/app/HostSession.h"
#include "host/services/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// The module sits in lib/observacao/ of the installed tree, and in lib/ of the build tree.
QString defaultModulePath()
{
    const QString lib = QCoreApplication::applicationDirPath() + QStringLiteral("/../" OBS_LIBDIR "/");
    QString installed = QDir::cleanPath(lib + QStringLiteral("observacao/") + QStringLiteral(OBS_MODULE_FILE_NAME));
    if (QFileInfo::exists(installed))
        return installed;
    return QDir::cleanPath(lib + QStringLiteral(OBS_MODULE_FILE_NAME));
}

// The bundled sample list; a host run from the build tree takes it from the sources.
QString defaultListPath()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QString installed
        = QDir::cleanPath(appDir + QStringLiteral("/../" OBS_DATADIR "/observacao/samples/observacoes.xml"));
    if (QFileInfo::exists(installed))
        return installed;
    const QString buildBin = QFileInfo(QStringLiteral(OBS_BUILD_BIN_DIR)).canonicalFilePath();
    if (!buildBin.isEmpty() && QFileInfo(appDir).canonicalFilePath() == buildBin)
        return QStringLiteral(OBS_SOURCE_SAMPLES_DIR "/observacoes.xml");
    return installed;
}

// Qt's own options and whether each takes a value. QApplication removes them from argv,
// but the options are parsed before it exists, so they are set aside here.
bool isQtOption(const QString &arg, bool *takesValue)
{
    static const QStringList withValue {QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                                        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                                        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                                        QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
                                        QStringLiteral("geometry"),        QStringLiteral("style"),
                                        QStringLiteral("stylesheet"),      QStringLiteral("session"),
                                        QStringLiteral("title"),           QStringLiteral("qmljsdebugger")};
    static const QStringList flags {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                    QStringLiteral("dograb"), QStringLiteral("sync")};
    if (!arg.startsWith(QLatin1Char('-')) || arg.startsWith(QLatin1String("--")))
        return false;
    const QString name = arg.mid(1).section(QLatin1Char('='), 0, 0);
    *takesValue = withValue.contains(name) && !arg.contains(QLatin1Char('='));
    return withValue.contains(name) || flags.contains(name);
}

QStringList withoutQtOptions(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        bool takesValue = false;
        if (i > 0 && isQtOption(arg, &takesValue)) {
            if (takesValue)
                ++i;
            continue;
        }
        args << arg;
    }
    return args;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("observacao-host"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OBS_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads the observation module, shows its dialog once per --keys (once when none is given) "
                       "and prints what each call returned."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("The observation list, an XML data packet. "
                                                       "Default: the bundled sample list."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption captionOption(QStringLiteral("caption"),
                                           QStringLiteral("The caption of the calls. Default: \"Observação\"."),
                                           QStringLiteral("TEXT"), QStringLiteral("Observação"));
    const QCommandLineOption keysOption(
        QStringLiteral("keys"),
        QStringLiteral("Operates one call's windows from SCRIPT instead of by hand. Give it once per call."),
        QStringLiteral("SCRIPT"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Prints each call's outcome as one line of JSON."));
    const QCommandLineOption moduleOption(QStringLiteral("module"),
                                          QStringLiteral("Loads the module from PATH instead of ../lib/observacao."),
                                          QStringLiteral("PATH"));
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("The windows' language: en, es or pt. Default: pt, the texts "
                                                       "as written."),
                                        QStringLiteral("CODE"));
    const QCommandLineOption hostWindowOption(
        QStringLiteral("host-window"),
        QStringLiteral("Shows a full-screen window of the host's own first and makes the calls over it, as a "
                       "point-of-sale host does."));
    const QCommandLineOption databaseOption(
        QStringLiteral("database"),
        QStringLiteral("Reads the list from a database instead: sqlite:PATH or postgresql://user@host:port/db "
                       "(the password from PGPASSWORD or ~/.pgpass, never here)."),
        QStringLiteral("URL"));
    const QCommandLineOption queryOption(
        QStringLiteral("query"),
        QStringLiteral("The SQL that selects the list from --database. Default: SELECT * FROM observacoes."),
        QStringLiteral("SQL"), QStringLiteral("SELECT * FROM observacoes"));
    parser.addOptions({listOption, captionOption, keysOption, jsonOption, moduleOption, langOption, databaseOption,
                       queryOption, hostWindowOption});

    // The command line is settled before the application object exists: that object needs
    // a display, and help, version and usage errors must work without one.
    if (!parser.parse(withoutQtOptions(argc, argv))) {
        std::fprintf(stderr, "observacao-host: %s\nTry 'observacao-host --help'.\n",
                     qUtf8Printable(parser.errorText()));
        return demo::ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qUtf8Printable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                            QStringLiteral("observacao-host"))),
                   stdout);
        return demo::ExitOk;
    }
    if (parser.isSet(versionOption)) {
        std::printf("observacao-host %s\n", OBS_VERSION);
        return demo::ExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "observacao-host: unexpected argument \"%s\"\n",
                     qUtf8Printable(parser.positionalArguments().first()));
        return demo::ExitUsage;
    }

    if (parser.isSet(databaseOption) && parser.isSet(listOption)) {
        std::fprintf(stderr, "observacao-host: give either --list or --database, not both\n");
        return demo::ExitUsage;
    }
    if (parser.isSet(queryOption) && !parser.isSet(databaseOption)) {
        std::fprintf(stderr, "observacao-host: --query needs --database\n");
        return demo::ExitUsage;
    }
    if (parser.isSet(databaseOption)) {
        QString error;
        if (!demo::DatabaseSource::parse(parser.value(databaseOption), &error)) {
            std::fprintf(stderr, "observacao-host: --database: %s\n", qUtf8Printable(error));
            return demo::ExitUsage;
        }
    }

    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication app(argc, argv);
    // Calls follow one another with no window in between; that must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);
    if (parser.isSet(langOption) && !host::InstallTranslations(parser.value(langOption))) {
        std::fprintf(stderr, "observacao-host: no translation for language \"%s\" (available: en, es, pt)\n",
                     qUtf8Printable(parser.value(langOption)));
        return demo::ExitUsage;
    }

    demo::HostOptions options;
    options.modulePath = parser.isSet(moduleOption) ? parser.value(moduleOption) : defaultModulePath();
    options.listPath = parser.isSet(listOption) ? parser.value(listOption) : defaultListPath();
    options.databaseUrl = parser.value(databaseOption);
    options.query = parser.value(queryOption);
    options.caption = parser.value(captionOption);
    options.scripts = parser.values(keysOption);
    options.json = parser.isSet(jsonOption);
    options.hostWindow = parser.isSet(hostWindowOption);

    // Nothing may leave main as an exception; the module's own calls never throw.
    try {
        demo::HostSession session(options);
        return session.run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "observacao-host: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "observacao-host: unexpected error\n");
    }
    return demo::ExitUsage;
}
