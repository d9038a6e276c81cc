// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "HostSetup.h"

#include "host/data/TClientDataSet.h"
#include "host/services/Mensagem.h"
#include "platform/Application.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace bench {

namespace {
int g_messages = 0;
}

void prepareHost()
{
    static QTemporaryDir programDir;
    static bool done = false;
    if (done)
        return;
    done = true;
    QFile::copy(QStringLiteral(OBS_SAMPLES_DIR "/PARAMETROSLUM.CDS"),
                programDir.filePath(QStringLiteral("PARAMETROSLUM.CDS")));
    platform::Application::setExeNameOverride(programDir.filePath(QStringLiteral("host")));
    host::SetMensagemHandler([](const host::MensagemArgs &) { ++g_messages; });
}

int messagesShown()
{
    return g_messages;
}

std::unique_ptr<host::TClientDataSet> sampleList()
{
    auto list = std::make_unique<host::TClientDataSet>();
    list->LoadFromFile(QStringLiteral(OBS_SAMPLES_DIR "/observacoes.xml"));
    return list;
}

} // namespace bench
