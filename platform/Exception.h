// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QByteArray>
#include <QString>
#include <exception>

namespace platform {

// Root of the exception family. The message is what the operator sees, as it stands.
class OBSHOST_EXPORT Exception : public std::exception
{
public:
    explicit Exception(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A value that cannot be converted to the type asked for.
class OBSHOST_EXPORT EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// Errors of tables and their files.
class OBSHOST_EXPORT EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

// A bad argument or a call made in a state that does not allow it.
class OBSHOST_EXPORT EInvalidOperation : public Exception
{
public:
    using Exception::Exception;
};

// A key that a list of "key|text" lines does not hold.
class OBSHOST_EXPORT EListError : public Exception
{
public:
    using Exception::Exception;
};

// The message of any exception, for showing to the operator.
OBSHOST_EXPORT QString exceptionMessage(const std::exception_ptr &error);

} // namespace platform
