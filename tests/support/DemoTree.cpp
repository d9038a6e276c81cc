// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "DemoTree.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <utility>

#ifndef OBS_DEMO_TREE
#define OBS_DEMO_TREE OBS_BINARY_DIR "/demo-tree"
#endif
#ifndef OBS_CMAKE_COMMAND
#define OBS_CMAKE_COMMAND "cmake"
#endif

QString demoTree()
{
    return QStringLiteral(OBS_DEMO_TREE);
}

QString demoHost()
{
    return demoTree() + QStringLiteral("/bin/observacao-host");
}

void ensureDemoTreeInstalled()
{
    const QString build = QStringLiteral(OBS_BINARY_DIR);
    const QString tree = demoTree();
    bool stale = !QFileInfo::exists(demoHost());
    // Built and installed paths; the plug-in is installed in a folder of its own.
    const std::pair<const char *, const char *> files[]
        = {{"/bin/observacao-host", "/bin/observacao-host"},
           {"/" OBS_LIBDIR "/libobservacao.so", "/" OBS_LIBDIR "/observacao/libobservacao.so"},
           {"/" OBS_LIBDIR "/libobshost.so", "/" OBS_LIBDIR "/libobshost.so"},
           {"/share/observacao/translations/observacao_es.qm", "/share/observacao/translations/observacao_es.qm"}};
    for (const auto &[builtFile, installedFile] : files) {
        const QFileInfo built(build + QLatin1StringView(builtFile));
        const QFileInfo installed(tree + QLatin1StringView(installedFile));
        // Installing keeps the build's times, to the second.
        if (!installed.exists()
            || installed.lastModified().toSecsSinceEpoch() < built.lastModified().toSecsSinceEpoch())
            stale = true;
    }
    if (!stale)
        return;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(OBS_CMAKE_COMMAND),
                  {QStringLiteral("--install"), build, QStringLiteral("--prefix"), tree});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().constData();
}
