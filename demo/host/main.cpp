// observacao-host: a host for the observation module, for trying it by hand, for
// learning how to integrate it, and for driving it from scripts.

#include "demo/host/HostSession.h"
#include "host/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// The module sits in the lib/ beside bin/.
QString defaultModulePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../" OBS_LIBDIR "/")
                           + QStringLiteral(OBS_MODULE_FILE_NAME));
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

} // namespace

int main(int argc, char **argv)
{
    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("observacao-host"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Calls follow one another with no window in between; that must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads the observation module, shows its dialog once per --keys (once when none is given) "
                       "and prints what each call returned."));
    parser.addHelpOption();
    parser.addVersionOption();
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
                                          QStringLiteral("Loads the module from PATH instead of ../lib."),
                                          QStringLiteral("PATH"));
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("The windows' language: en, es or pt. Default: pt, the texts "
                                                       "as written."),
                                        QStringLiteral("CODE"));
    parser.addOptions({listOption, captionOption, keysOption, jsonOption, moduleOption, langOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "observacao-host: unexpected argument \"%s\"\n",
                     qUtf8Printable(parser.positionalArguments().first()));
        return demo::ExitUsage;
    }

    if (parser.isSet(langOption) && !host::InstallTranslations(parser.value(langOption))) {
        std::fprintf(stderr, "observacao-host: no translation for language \"%s\" (available: en, es, pt)\n",
                     qUtf8Printable(parser.value(langOption)));
        return demo::ExitUsage;
    }

    demo::HostOptions options;
    options.modulePath = parser.isSet(moduleOption) ? parser.value(moduleOption) : defaultModulePath();
    options.listPath = parser.isSet(listOption) ? parser.value(listOption) : defaultListPath();
    options.caption = parser.value(captionOption);
    options.scripts = parser.values(keysOption);
    options.json = parser.isSet(jsonOption);

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
