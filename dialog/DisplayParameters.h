// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace host {
class TClientDataSet;
}

namespace dialog {

// The display parameters a station's parameter file holds: its colour scheme for
// messages and the colours handed to the search and the editor.
struct DisplayParameters
{
    QString idEsquema;
    int inCor1 = 0;
    int inCor2 = 0;
    int inCor3 = 0;
    int inCor5 = 0;
};

// Reads the parameter file at path, at most limit bytes, through table, which raises
// the table's errors for a file that is missing, too large or malformed. Parsing is most
// of a call's set-up, so a file whose bytes are those of the last file read gives that
// file's parameters again without being parsed; table is then left as it was. Any
// change of the file, however small, is read in full.
DisplayParameters readDisplayParameters(host::TClientDataSet &table, const QString &path, qint64 limit);

// Forgets the last file read (for tests, and when the module is unloaded).
void forgetDisplayParameters();

} // namespace dialog
