#include "cli_reporter.h"

#include <QMutexLocker>

#include <cstdio>

void CCliReporter::Message(const QString& text, MessageIcon)
{
    QMutexLocker lock(&m_mutex);
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

bool CCliReporter::Confirm(const QString&)
{
    return true;
}
