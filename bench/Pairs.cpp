// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "Pairs.h"

namespace bench {

std::span<const Pair> pairs()
{
    static const Pair all[] = {
        {"whole call (plug-in) vs bare QDialog, 52 children", "call/module", "call/bare_dialog", 1.6},
        {"whole call (plug-in) vs stock-widget dialog", "call/module", "call/stock_dialog", 0.5},
        {"first frame, warm process, plug-in vs stock-widget dialog", "first_frame/module", "first_frame/stock_dialog",
         0},
        {"first frame, fresh process, plug-in vs stock-widget dialog", "first_frame_fresh/module",
         "first_frame_fresh/stock_dialog", 1.1},
        {"Enter lookup, 100000 records, code last vs plain loop", "enter_lookup/window", "enter_lookup/plain_loop",
         1.5},
        {"load 10000-row packet vs one QXmlStreamReader pass", "load_packet/TClientDataSet",
         "load_packet/QXmlStreamReader", 3.0},
        {"10000 rows from SQLite (QueryLoader) vs from a packet", "load_sqlite/QueryLoader",
         "load_packet/TClientDataSet", 0},
        {"10000 rows from SQLite, QueryLoader vs a bare QSqlQuery pass", "load_sqlite/QueryLoader",
         "load_sqlite/QSqlQuery", 0},
        {"key press with repaint vs QLineEdit", "key_press/window", "key_press/QLineEdit", 1.5},
        {"key press with repaint vs stock-widget dialog, whole repaint", "key_press/window", "key_press/stock_dialog",
         0.4},
        {"key press, 1 MB description vs one that just fills the field", "key_press/window_1MB_description",
         "key_press/window_full_description", 1.5},
        {"key press, accessibility on (events handed on) vs off", "key_press/window_accessible", "key_press/window", 0},
        {"key press, 1 MB description vs none", "key_press/window_1MB_description", "key_press/window", 3.0},
    };
    return all;
}

} // namespace bench
