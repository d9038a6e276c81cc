// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// A host's own test as the kit's script driver lets one write it: the plug-in's windows
// operated by a script (the demo host's language), headless. Exit status 0 when the
// call returned what the script chose.

#include <observacao/ObservacaoMod.h>
#include <observacao/ScriptDriver.h>
#include <observacao/ScriptParser.h>
#include <observacao/TClientDataSet.h>
#include <observacao/VariantJson.h>

#include <QApplication>
#include <QLibrary>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    host::TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), host::FieldType::String, 2});
    list.AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 40});
    list.CreateDataSet();
    list.AppendRecord({QStringLiteral("01"), QStringLiteral("Sem sal")});
    list.AppendRecord({QStringLiteral("02"), QStringLiteral("Bem passado")});
    list.First();

    QLibrary module(QStringLiteral(OBS_MODULE_PATH));
    const auto initialize = reinterpret_cast<observacao::InitializeFn>(module.resolve(observacao::kInitialize));
    const auto finalize = reinterpret_cast<observacao::FinalizeFn>(module.resolve(observacao::kFinalize));
    const auto call = reinterpret_cast<observacao::ObservacaoModFn>(module.resolve(observacao::kObservacaoMod));
    if (!initialize || !finalize || !call) {
        std::fprintf(stderr, "cannot load %s: %s\n", OBS_MODULE_PATH, qPrintable(module.errorString()));
        return 2;
    }

    // An unknown code, its message dismissed by touch, then 02 typed and confirmed.
    const demo::ScriptParser::Result script
        = demo::ScriptParser::parse(QStringLiteral("9 9 Return tap:btnOk Backspace Backspace 0 2 Return Alt+C"));
    if (!script.ok()) {
        std::fprintf(stderr, "script: %s\n", qPrintable(script.error));
        return 1;
    }
    initialize();
    demo::ScriptDriver driver(script.steps);
    driver.start();
    const QVariant result = call(&list, QStringLiteral("Observação"));
    finalize();

    const QByteArray json = demo::VariantJson::encode(result);
    std::printf("%s\n", json.constData());
    if (driver.hasFailed() || !driver.isFinished()) {
        std::fprintf(stderr, "the script stopped: %s\n", qPrintable(driver.errorString()));
        return 1;
    }
    const QVariantList items = result.toList();
    const bool ok = items.size() == 3 && items.at(0).toString() == QLatin1String("02")
        && items.at(1).toString() == QLatin1String("Bem passado") && json.startsWith("{\"low\":0,\"high\":2,");
    std::printf("%s\n", ok ? "ok" : "FAIL: not the record the script chose");
    return ok ? 0 : 1;
}
