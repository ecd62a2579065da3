#pragma once

#include "core/views/data_kind.h"

#include <QObject>

#include <memory>

class CProjectStore;
class IReporter;
class QSettings;

// What the windows of one run share: the project store, the data kind the list shows, and which
// rows the user has selected. Each change is announced, so a window follows the others without
// knowing them. It holds no widget.
class CSession : public QObject
{
    Q_OBJECT
public:
    // `settings`: where the user's layout and folders are kept; nullptr: nowhere.
    CSession(std::unique_ptr<CProjectStore> store, IReporter& reporter, QSettings* settings);
    ~CSession() override;

    CProjectStore& Store() const { return *m_store; }
    // Where messages for the user go (message boxes, or a test's record).
    IReporter& Reporter() const { return m_reporter; }
    QSettings* Settings() const { return m_settings; }

    DataKind CurrentKind() const { return m_currentKind; }
    void SetCurrentKind(DataKind kind);
    // The list takes the columns of the current kind, without rows; the other windows follow.
    void UpdateViews();
    // The kind becomes `kind`, and the list shows its table's rows afresh.
    void ShowTable(DataKind kind);
    // The list shows no rows until the next fill (its columns stay).
    void ClearShownRows();
    // Told by the list whenever its rows change (filled, cleared, sorted, edited).
    void AnnounceRowsChanged();
    // Told whenever the project's coordinate system may have changed (chosen, or carried along
    // by a transformation of the list).
    void AnnounceSystemChanged();

    // Another project database takes the place of this one: the store closes it and opens
    // the other, and every window shows the new project (its point list first).
    void ReopenStore(const QString& databasePath);

    // The selection of the list, as the list reports it.
    struct Selection
    {
        int singleRow = -1;       // the one selected row, −1 when none or several
        bool any = false;         // whether any row is selected
        int currentPosition = -1; // the current row's place in the stored order, −1 for none
    };
    const Selection& Selected() const { return m_selection; }
    void SetSelection(const Selection& selection);
    // Asks the list to select the row at this place in the stored order and bring it into view.
    void RequestRowAt(int listPosition);

signals:
    void CurrentKindChanged(DataKind kind);
    void ProjectChanged();
    void ViewsNeedUpdate();
    void TableShown(DataKind kind);
    void ShownRowsCleared();
    void RowsChanged();
    void SystemChanged();
    void SelectionChanged();
    void RowRequested(int listPosition);

private:
    std::unique_ptr<CProjectStore> m_store;
    IReporter& m_reporter;
    QSettings* m_settings;
    DataKind m_currentKind = DataKind::Coor;
    Selection m_selection;
};
