#include "gui/shell/session.h"

#include "core/store/project_store.h"

CSession::CSession(std::unique_ptr<CProjectStore> store, IReporter& reporter, QSettings* settings)
    : m_store(std::move(store)), m_reporter(reporter), m_settings(settings)
{
}

CSession::~CSession() = default;

void CSession::SetCurrentKind(DataKind kind)
{
    if (kind == m_currentKind)
        return;
    m_currentKind = kind;
    emit CurrentKindChanged(kind);
}

void CSession::UpdateViews()
{
    emit ViewsNeedUpdate();
}

void CSession::ShowTable(DataKind kind)
{
    SetCurrentKind(kind);
    emit ShownRowsCleared();
    emit ViewsNeedUpdate();
    emit TableShown(kind);
}

void CSession::ClearShownRows()
{
    emit ShownRowsCleared();
}

void CSession::AnnounceRowsChanged()
{
    emit RowsChanged();
}

void CSession::AnnounceSystemChanged()
{
    emit SystemChanged();
}

void CSession::SetSelection(const Selection& selection)
{
    if (selection.singleRow == m_selection.singleRow && selection.any == m_selection.any &&
        selection.currentPosition == m_selection.currentPosition)
        return;
    m_selection = selection;
    emit SelectionChanged();
}

void CSession::RequestRowAt(int listPosition)
{
    emit RowRequested(listPosition);
}

void CSession::ReopenStore(const QString& databasePath)
{
    m_store->Reopen(databasePath);
    m_store->Connect();
    m_selection = Selection{};
    emit SelectionChanged();
    emit ProjectChanged();
    emit SystemChanged();
    ShowTable(DataKind::Coor);
}
