// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// A host of one's own: builds its list in code, loads the plug-in, makes two calls
// operated by posted keys, and reads what it kept only after Finalize and unloading.
// Exit status 0 when everything held.

// Every public header, compiled here as C++17.
#include <observacao/Exception.h>
#include <observacao/Export.h>
#include <observacao/Mensagem.h>
#include <observacao/ObservacaoMod.h>
#include <observacao/Search.h>
#include <observacao/TClientDataSet.h>
#include <observacao/Trad.h>
#include <observacao/Translations.h>

// The host's own headers of the same names as folders of the kit's tree, found first.
#include "host/services/Mensagem.h"
#include "platform/Export.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibrary>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <deque>
#include <dlfcn.h>
#include <vector>

// A host's own functions of the entry points' names must not clash with the header,
// nor its own types with any name of the kit's (which are all in its namespaces).
void Initialize() { }
int Finalize(int x)
{
    return x;
}
struct PackageUnitEntry
{ };
struct PackageInfoTable
{ };
using ObservacaoModFunc = int;
using InitializeFunc = int;
using FinalizeFunc = int;
using GetPackageInfoTableFunc = int;

namespace {

struct Key
{
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

int g_failures = 0;

void check(bool ok, const char *what)
{
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok)
        ++g_failures;
}

// Delivers the keys one per tick to whichever modal window is up.
void postKeys(std::deque<Key> keys)
{
    auto *timer = new QTimer;
    auto pending = std::make_shared<std::deque<Key>>(std::move(keys));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pending] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (pending->empty()) {
            timer->deleteLater();
            return;
        }
        const Key k = pending->front();
        pending->pop_front();
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
        QApplication::sendEvent(modal, &press);
    });
    timer->start(20);
}

Key ch(char c)
{
    return {Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QLatin1Char(c))};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Initialize();
    check(hostMessages() == 1 && hostPlatformName()[0] == 't', "the host's own headers beside the kit's");

    // The data folder the package names, and the translations found from wherever the
    // library was loaded (the program lies outside the package's tree).
    check(QFileInfo::exists(QStringLiteral(OBS_DATA_DIR "/translations/observacao_es.qm")),
          "the package's data folder holds the translations");
    check(host::InstallTranslations(QStringLiteral("es")), "the bundled Spanish translation installs");
    check(QCoreApplication::translate("host::Mensagem", "OK") == QLatin1String("Aceptar"), "and translates");

    host::TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), host::FieldType::String, 2});
    list.AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 40});
    list.CreateDataSet();
    list.AppendRecord({QStringLiteral("01"), QStringLiteral("Sem sal")});
    list.AppendRecord({QStringLiteral("02"), QStringLiteral("Bem passado")});
    list.First();

    // Everything the host keeps: the messages and the two results.
    std::vector<host::MensagemArgs> messages;
    host::SetMensagemHandler([&messages](const host::MensagemArgs &args) { messages.push_back(args); });
    QVariant chosen;
    QVariant left;

    {
        QLibrary module(QStringLiteral(OBS_MODULE_PATH));
        if (!module.load()) {
            std::fprintf(stderr, "cannot load %s: %s\n", OBS_MODULE_PATH, qPrintable(module.errorString()));
            return 2;
        }
        const auto initialize = reinterpret_cast<observacao::InitializeFn>(module.resolve(observacao::kInitialize));
        const auto finalize = reinterpret_cast<observacao::FinalizeFn>(module.resolve(observacao::kFinalize));
        const auto call = reinterpret_cast<observacao::ObservacaoModFn>(module.resolve(observacao::kObservacaoMod));
        check(initialize && finalize && call, "the entry points resolve by their names");
        if (!initialize || !finalize || !call)
            return 1;

        initialize();
        // An unknown code (a message), then 01 looked up and confirmed.
        postKeys({ch('9'),
                  ch('9'),
                  {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
                  {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")},
                  {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")},
                  ch('0'),
                  ch('1'),
                  {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
                  {Qt::Key_C, Qt::AltModifier, QStringLiteral("c")}});
        chosen = call(&list, QStringLiteral("Observação"));
        postKeys({{Qt::Key_Escape, Qt::NoModifier, QString(QChar(27))}});
        left = call(&list, QStringLiteral("Observação"));
        finalize();
        check(module.unload(), "the plug-in unloads");
    }
    // Really gone from the process, or reading what it returned would prove nothing.
    void *still = dlopen(OBS_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
    check(still == nullptr, "the plug-in is no longer mapped");
    if (still)
        dlclose(still);

    const QVariantList items = chosen.toList();
    check(items.size() == 3, "the chosen result holds both fields and the text");
    check(items.value(0).toString() == QLatin1String("01"), "field 0 of the chosen record");
    check(items.value(1).toString() == QLatin1String("Sem sal"), "field 1 of the chosen record");
    check(items.value(2).toString().contains(QLatin1String("Sem sal")), "the composed text");
    check(left.toList() == QVariantList {QStringLiteral("Erro")}, "leaving gives \"Erro\"");
    check(messages.size() == 1, "one message, for the unknown code");
    if (!messages.empty()) {
        const host::MensagemArgs &m = messages.front();
        check(m.texto.contains(QLatin1String("99")) || m.texto.contains(QStringLiteral("Observação")),
              "the message's text");
        check(m.opcao1 == QLatin1String("N") && m.opcao2 == QLatin1String("N"), "the message's options");
    }
    std::printf("%d failure(s)\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
