#include "commands/progress_printer.h"

#include <cstdio>

namespace
{
constexpr qint64 ProgressIntervalMs = 1000;
}

CProgressPrinter::CProgressPrinter(bool enabled) : m_enabled(enabled)
{
    m_sinceLast.start();
}

ProgressSink CProgressPrinter::Sink()
{
    if (!m_enabled)
        return {};
    return [this](const TransferProgress& progress) { Print(progress); };
}

void CProgressPrinter::Print(const TransferProgress& progress)
{
    // The first event is shown at once, then one a second.
    if (m_printed && m_sinceLast.elapsed() < ProgressIntervalMs)
        return;
    m_printed = true;
    m_sinceLast.restart();
    const QByteArray line = (progress.total > 0 ? QStringLiteral("sent %1 of %2 lines\n").arg(progress.lines).arg(progress.total)
                                                : QStringLiteral("received %1 bytes\n").arg(progress.bytes))
                                .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
