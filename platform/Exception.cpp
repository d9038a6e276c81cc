// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Exception.h"

#include <new>

namespace platform {

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{ }

QString exceptionMessage(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception &e) {
        return e.message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Memória insuficiente.");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Erro desconhecido.");
    }
}

} // namespace platform
