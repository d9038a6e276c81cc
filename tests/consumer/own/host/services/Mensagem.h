// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

// A host's own header of a name the kit's tree also has (see platform/Export.h).
inline int hostMessages()
{
    return 1;
}
