// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

// A host's own header of a name the kit's tree also has: the kit's headers must not
// pick it up (were they to, OBSHOST_EXPORT would be missing and they would not compile).
inline const char *hostPlatformName()
{
    return "the host's own platform";
}
