#include "host/StrUtils.h"

namespace host {

bool EmptyString(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > u' ')
            return false;
    return true;
}

QString Ajusta(const QString &code, int width)
{
    if (code.size() >= width)
        return code;
    return QString(width - code.size(), u'0') + code;
}

} // namespace host
