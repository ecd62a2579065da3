#include "cli_reporter.h"

#include <QMutexLocker>

#include <cstdio>

void CCliReporter::Message(const QString& text, MessageIcon icon)
{
    QMutexLocker lock(&m_mutex);
    if (icon == MessageIcon::Exclamation || icon == MessageIcon::Error)
        m_failure = true;
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

bool CCliReporter::Confirm(const QString&)
{
    return true;
}

bool CCliReporter::FailureReported() const
{
    QMutexLocker lock(&m_mutex);
    return m_failure;
}
