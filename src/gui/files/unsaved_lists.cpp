#include "gui/files/unsaved_lists.h"

#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/files/file_dialog_texts.h"
#include "gui/files/shown_list.h"
#include "gui/toolkit/message_box_reporter.h"
#include "core/files/list_export.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <QPushButton>

namespace
{
enum class Answer { Export, ExitAnyway, Stay };

Answer Ask(DataKind kind, QWidget* parent, bool switching)
{
    const QString list = kind == DataKind::Coor   ? FileDialogTexts::PointList.Text()
                         : kind == DataKind::Code ? FileDialogTexts::CodeList.Text()
                                                  : FileDialogTexts::AlignmentList.Text();
    std::unique_ptr<QMessageBox> box(
        CreateMessageBox(QMessageBox::Warning,
                         switching ? FileDialogTexts::UnsavedListSwitchQuestion.Arg(list) : FileDialogTexts::UnsavedListQuestion.Arg(list),
                         QMessageBox::NoButton, parent));
    QPushButton* exportFirst = box->addButton(FileDialogTexts::ExportFirst, QMessageBox::AcceptRole);
    QPushButton* exitAnyway = box->addButton(switching ? FileDialogTexts::SwitchAnyway : FileDialogTexts::ExitAnyway,
                                               QMessageBox::DestructiveRole);
    QPushButton* stay = box->addButton(FileDialogTexts::Cancel, QMessageBox::RejectRole);
    exportFirst->setObjectName(QStringLiteral("exportFirstButton"));
    exitAnyway->setObjectName(QStringLiteral("exitAnywayButton"));
    stay->setObjectName(QStringLiteral("stayButton"));
    box->setDefaultButton(exportFirst);
    box->setEscapeButton(stay);
    box->exec();
    if (box->clickedButton() == exportFirst)
        return Answer::Export;
    return box->clickedButton() == exitAnyway ? Answer::ExitAnyway : Answer::Stay;
}

void ExportList(CSession& session, DataKind kind, QWidget& parent)
{
    const QString path = AskSavePath(parent, session, FileDialogTexts::DataExportFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    CListReader rows(session.Store(), kind);
    const Outcome outcome = ExportData(path, kind, rows);
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.Succeeded())
        HandEdits::MarkSaved(session.Store(), TableOf(kind));
}
} // namespace

bool ConfirmEmptyingLists(CSession& session, QWidget& parent, bool switching)
{
    // A project opened for reading keeps its lists.
    if (!session.Store().ReadOnlyReason().isEmpty())
        return true;
    for (const DataKind kind : {DataKind::Coor, DataKind::Code, DataKind::Alignment})
    {
        // Asked again after an export that did not happen: the list is still only here.
        while (HandEdits::HoldsUnsavedWork(session.Store(), TableOf(kind)).value_or(false))
        {
            const Answer answer = Ask(kind, &parent, switching);
            if (answer == Answer::Stay)
                return false;
            if (answer == Answer::ExitAnyway)
                break;
            ExportList(session, kind, parent);
        }
    }
    return true;
}
