// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <dlfcn.h>

#include <memory>

namespace host {

namespace {

// The data folder as installed, relative to the library's and to the program's folder.
constexpr const char *kFromLibDir = "/" OBS_LIB_TO_DATADIR "/observacao/translations";
constexpr const char *kFromBinDir = "/" OBS_BIN_TO_DATADIR "/observacao/translations";

QStringList searchDirs()
{
    QStringList dirs;
    // The library's own folder first: a host may live anywhere. The loader may have
    // reached it through a link (merged /usr maps /lib/<arch>/libobshost.so.1 while the
    // data is in /usr/share), so the folder is the one the file really lies in.
    Dl_info info {};
    if (dladdr(reinterpret_cast<const void *>(&InstallTranslations), &info) && info.dli_fname) {
        const QString library = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
        if (!library.isEmpty())
            dirs << QFileInfo(library).absolutePath() + QLatin1String(kFromLibDir);
    }
    dirs << QCoreApplication::applicationDirPath() + QLatin1String(kFromBinDir);
    dirs.removeDuplicates();
    return dirs;
}

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeInstalled()
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
}

} // namespace

bool InstallTranslations(const QString &locale)
{
    if (!QCoreApplication::instance())
        return false;
    const QLocale wanted(locale);
    if (locale.isEmpty() || wanted.language() == QLocale::C)
        return false;
    if (wanted.language() == QLocale::Portuguese) {
        removeInstalled();
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    for (const QString &dir : searchDirs()) {
        if (translator->load(wanted, QStringLiteral("observacao"), QStringLiteral("_"), QDir::cleanPath(dir))) {
            removeInstalled();
            QCoreApplication::installTranslator(translator.get());
            installed() = std::move(translator);
            return true;
        }
    }
    return false;
}

} // namespace host
