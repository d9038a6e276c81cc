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

constexpr const char *kRelativeDir = "/../share/observacao/translations";

QStringList searchDirs()
{
    QStringList dirs;
    // The library's own directory first: a host may live elsewhere than the package.
    Dl_info info {};
    if (dladdr(reinterpret_cast<const void *>(&InstallTranslations), &info) && info.dli_fname)
        dirs << QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() + QLatin1String(kRelativeDir);
    dirs << QCoreApplication::applicationDirPath() + QLatin1String(kRelativeDir);
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
