// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <optional>

// Windows-1252, the code page of the host's 8-bit text. Built in, so that it reads the same
// whichever codecs Qt was built with. The five codes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control characters of the same numbers, both
// ways, as the system's converter maps them.
namespace platform {

// The code of a character; nothing when the code page cannot hold it.
OBSHOST_EXPORT std::optional<char> toAnsi(QChar c);
OBSHOST_EXPORT QChar fromAnsi(char c);
OBSHOST_EXPORT QString fromAnsi(QByteArrayView bytes);

// Reads the C1 control characters U+0080..U+009F as the Windows-1252 characters of those
// codes ("&#128;" is "€"): that is how the platform writes its 8-bit text as Unicode.
OBSHOST_EXPORT void ansiControlsToText(QString &text);

} // namespace platform
