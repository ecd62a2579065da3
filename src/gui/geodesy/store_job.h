#pragma once

#include "core/report/outcome.h"
#include "core/report/reporter.h"
#include "gui/shell/kept_messages.h"
#include "gui/shell/worker.h"


#include <functional>
#include <memory>

class CProjectStore;
class CSession;
class QWidget;

// What a job on the project ended with, and what its store had to tell the user meanwhile.
struct StoreJobResult
{
    Outcome outcome;
    KeptMessageList messages;
};

// A job over the whole point list (a transformation, an export) on a worker of its own, with a
// connection of its own to the project file: a million points take seconds, and the window
// keeps drawing meanwhile. The job runs to its end once started, so that a list is replaced
// whole or not at all.
class CStoreJob : public CWorker
{
    Q_OBJECT
public:
    using Job = std::function<Outcome(CProjectStore& store)>;
    using CWorker::CWorker;
    ~CStoreJob() override;

    void Start(const QString& databasePath, Job job);

signals:
    void Finished(std::shared_ptr<StoreJobResult> result);
};

// Runs `job` on a CStoreJob while a note over `over` says the program is working, then tells
// the user what the job's store said and gives its outcome (not yet told).
Outcome RunStoreJob(CSession& session, QWidget& over, CStoreJob::Job job);
