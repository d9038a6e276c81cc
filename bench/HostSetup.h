// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <memory>

namespace host {
class TClientDataSet;
}

namespace bench {

// Makes this process look like a host on an operator station: the display parameter
// file beside the (pretended) host program, and messages counted instead of shown, since
// a message box would wait for an operator. Idempotent.
void prepareHost();

// Messages the module showed since the start; a run that shows any is not measuring
// the path it claims to.
int messagesShown();

// The sample observation list.
std::unique_ptr<host::TClientDataSet> sampleList();

} // namespace bench
