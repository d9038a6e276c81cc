#include "Pairs.h"

namespace bench {

std::span<const Pair> pairs()
{
    static const Pair all[] = {
        {"whole call (plug-in) vs bare QDialog, 52 children", "call/module", "call/bare_dialog", 1.3},
        {"Enter lookup, 100000 records, code last vs plain loop", "enter_lookup/window", "enter_lookup/plain_loop",
         1.5},
        {"load 10000-row packet vs one QXmlStreamReader pass", "load_packet/TClientDataSet",
         "load_packet/QXmlStreamReader", 3.0},
        {"key press with repaint vs QLineEdit", "key_press/window", "key_press/QLineEdit", 1.5},
        {"key press, 1 MB description vs one that just fills the field", "key_press/window_1MB_description",
         "key_press/window_full_description", 1.5},
        {"key press, 1 MB description vs none", "key_press/window_1MB_description", "key_press/window", 3.0},
    };
    return all;
}

} // namespace bench
