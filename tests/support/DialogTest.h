// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "DialogHarness.h"

#include <gtest/gtest.h>

// A test that calls the entry as a host does, on a realistic list, through a harness.
class DialogTest : public ::testing::Test
{
protected:
    DialogHarness h;
    std::unique_ptr<host::TClientDataSet> list = makeObservationList();
    const QString caption = QStringLiteral("Observação");

    // One call with this caption; script runs once the window is up.
    QVariant run(const std::function<void(dialog::TfrmObservacaoMod &)> &script)
    {
        return h.call(list.get(), caption, script);
    }
};
