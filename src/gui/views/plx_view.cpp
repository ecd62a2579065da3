#include "gui/views/plx_view.h"

#include "core/store/project_store.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/views/list_model.h"
#include "gui/views/view_texts.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QToolButton>

#include <algorithm>

namespace
{
// Room around a text in a cell or a header (margins, the sort arrow).
constexpr int CellPadding = 16;
constexpr int HeaderPadding = 24;
// The rows whose texts a fitted column takes into account: those shown first.
constexpr int FittedRows = 128;
// The widest a column is made to fit its longest text; the user may widen it further.
constexpr int MostFittedWidth = 480;
// Lists up to this long are sorted at once (in milliseconds); longer ones on a worker.
constexpr int InlineSortRows = 20000;

QString WidthKey(DataKind kind, const QString& column)
{
    return QStringLiteral("list/%1/%2").arg(NumberOf(kind)).arg(column);
}
} // namespace

CPlxView::CPlxView(CSession& session, const CCommandActions& commands, QWidget* parent)
    : QTableView(parent), m_session(session), m_commands(commands), m_model(new CListModel(session.Store(), this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows at once for copying them out (Ctrl+C) and deleting them; editing takes one.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows as low as the font allows: the list is for reading many points at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(qMax(15, fontMetrics().height() + 4));
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CPlxView::SortByColumn);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_settingWidths)
            RememberColumnWidth(column, width);
    });

    connect(&m_session, &CSession::ShownRowsCleared, this, &CPlxView::ClearRows);
    connect(&m_session, &CSession::ViewsNeedUpdate, this, &CPlxView::OnUpdate);
    connect(&m_session, &CSession::TableShown, this, &CPlxView::Fill);
    connect(&m_session, &CSession::RowRequested, this, &CPlxView::SelectListPosition);
    // Whoever follows the list hears of every change of its rows and of its selection. A reset
    // clears the selection without a word from the selection model.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CPlxView::TellSelection);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CPlxView::TellSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CPlxView::TellSelection);
    // Other rows shown: a sort of the old ones has nothing to show any more.
    connect(m_model, &QAbstractItemModel::modelReset, this, &CPlxView::CancelSort);
    connect(m_model, &QAbstractItemModel::modelReset, &m_session, &CSession::AnnounceRowsChanged);
    connect(m_model, &QAbstractItemModel::rowsInserted, &m_session, &CSession::AnnounceRowsChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, &m_session, &CSession::AnnounceRowsChanged);
    connect(m_model, &QAbstractItemModel::dataChanged, &m_session, &CSession::AnnounceRowsChanged);
}

int CPlxView::SelectedRow() const
{
    // Asked on every change of the selection: the ranges tell at once when several rows are
    // selected, where listing the selected rows would go through all of them.
    const QItemSelectionModel* selection = selectionModel();
    int row = -1;
    for (const QItemSelectionRange& range : selection->selection())
    {
        if (range.top() != range.bottom() || (row >= 0 && range.top() != row))
            return -1;
        row = range.top();
    }
    return row >= 0 && selection->isRowSelected(row) ? row : -1;
}

QList<int> CPlxView::SelectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CPlxView::TellSelection()
{
    // The current row counts only while it is selected: a cleared selection leaves the cursor
    // where it was, and the plan would go on marking a point the list no longer selects.
    const QModelIndex current = selectionModel()->currentIndex();
    const bool currentSelected = current.isValid() && selectionModel()->isRowSelected(current.row());
    m_session.SetSelection({SelectedRow(), selectionModel()->hasSelection(),
                            currentSelected ? m_model->ListPositionOf(current.row()) : -1});
}

void CPlxView::SelectListPosition(int position)
{
    const int row = m_model->RowAtListPosition(position);
    if (row < 0)
        return;
    selectRow(row);
    scrollTo(m_model->index(row, 0));
}

void CPlxView::OnUpdate()
{
    // Whoever changes the kind (the start, a show command, a transfer window opening, changing
    // or closing) gets the rows its table holds with the columns: the list never looks empty
    // while its table is not.
    m_model->SetLayout(ListLayoutOf(m_session.CurrentKind()));
    Fill(m_session.CurrentKind());
}

void CPlxView::Fill(DataKind kind)
{
    m_model->ShowRowsOf(kind);
    horizontalHeader()->setSortIndicatorShown(false);
    ApplyColumnWidths(true);
    FitToLongest();
}

void CPlxView::FitToLongest()
{
    const quint64 ticket = ++m_fitTicket;
    if (m_fitter)
        m_fitter->Cancel();
    // The first rows are all the rows: they have been measured.
    if (m_model->rowCount() <= FittedRows)
        return;
    m_fitter = new CColumnFitter(this);
    connect(m_fitter, &CColumnFitter::Found, this, [this, ticket](const QStringList& longest, const KeptMessageList& messages) {
        if (ticket != m_fitTicket)
            return;
        CKeptMessages::Tell(messages, m_session.Reporter());
        WidenTo(longest);
    });
    m_fitter->Start(m_session.Store().DatabasePath(), m_model->ShownKind());
}

void CPlxView::WidenTo(const QStringList& longest)
{
    const QSettings settings;
    const QList<ListColumn>& layout = m_model->Layout();
    const QFontMetrics metrics = fontMetrics();
    m_settingWidths = true;
    for (int column = 0; column < layout.size() && column < longest.size(); ++column)
    {
        // A width the user set stays; a single freak value does not take the whole screen.
        if (settings.value(WidthKey(m_session.CurrentKind(), layout[column].source)).toInt() > 0)
            continue;
        const int wanted = qMin(MostFittedWidth, metrics.horizontalAdvance(longest[column]) + CellPadding);
        if (wanted > columnWidth(column))
            setColumnWidth(column, wanted);
    }
    m_settingWidths = false;
}

void CPlxView::ShowOverlay(ListCellOverlay overlay)
{
    m_model->SetOverlay(std::move(overlay));
    ApplyColumnWidths(true);
    FitToLongest();
}

int CPlxView::FittedWidth(int column, bool fitRows) const
{
    const QList<ListColumn>& layout = m_model->Layout();
    int width = qMax(layout[column].width,
                     horizontalHeader()->fontMetrics().horizontalAdvance(layout[column].ShownCaption()) + HeaderPadding);
    if (!fitRows)
        return width;
    const QFontMetrics metrics = fontMetrics();
    const int rows = qMin(m_model->rowCount(), FittedRows);
    for (int row = 0; row < rows; ++row)
        width = qMax(width, metrics.horizontalAdvance(m_model->Cell(row, column)) + CellPadding);
    return width;
}

void CPlxView::ApplyColumnWidths(bool fitRows)
{
    // A width the user set stays, for this kind's list, across lists and runs.
    const QSettings settings;
    const QList<ListColumn>& layout = m_model->Layout();
    m_settingWidths = true;
    for (int column = 0; column < layout.size(); ++column)
    {
        const int chosen = settings.value(WidthKey(m_session.CurrentKind(), layout[column].source)).toInt();
        setColumnWidth(column, chosen > 0 ? chosen : FittedWidth(column, fitRows));
    }
    m_settingWidths = false;
}

void CPlxView::RememberColumnWidth(int column, int width)
{
    const QList<ListColumn>& layout = m_model->Layout();
    if (column < 0 || column >= layout.size() || width <= 0)
        return;
    QSettings().setValue(WidthKey(m_session.CurrentKind(), layout[column].source), width);
}

void CPlxView::SortByColumn(int column)
{
    if (column < 0 || column >= m_model->columnCount() || m_model->rowCount() == 0)
        return;
    // The next step of the cycle follows the last click, even while its sort still runs.
    const int lastColumn = m_sorting ? m_sortingColumn : m_model->SortColumn();
    const Qt::SortOrder lastOrder = m_sorting ? m_sortingOrder : m_sortOrder;
    std::optional<Qt::SortOrder> order = Qt::AscendingOrder;
    if (lastColumn == column)
        order = lastOrder == Qt::AscendingOrder ? std::optional<Qt::SortOrder>(Qt::DescendingOrder) : std::nullopt;
    CancelSort();
    // A selected row would point at another record once the rows move.
    selectionModel()->clear();
    if (order && m_model->rowCount() > InlineSortRows)
        return StartSort(column, *order);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool sorted = m_model->SortRows(column, order);
    QGuiApplication::restoreOverrideCursor();
    ShowSortIndicator(column, order, sorted);
}

void CPlxView::ShowSortIndicator(int column, std::optional<Qt::SortOrder> order, bool sorted)
{
    m_sortOrder = order.value_or(Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorShown(sorted && order);
    if (sorted && order)
        horizontalHeader()->setSortIndicator(column, *order);
}

void CPlxView::ShowShownOrder()
{
    // The header flips its arrow on a click by itself; until a sort is done it shows the order
    // the rows are in.
    const int column = m_model->SortColumn();
    horizontalHeader()->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        horizontalHeader()->setSortIndicator(column, m_sortOrder);
}

void CPlxView::StartSort(int column, Qt::SortOrder order)
{
    ShowShownOrder();
    m_sorting = true;
    m_sortingColumn = column;
    m_sortingOrder = order;
    const quint64 ticket = ++m_sortTicket;
    m_sorter = new CListSorter(this);
    connect(m_sorter, &CListSorter::Progress, this, [this, ticket](qint64 done, qint64 total) {
        if (ticket == m_sortTicket)
            ShowSortProgress(done, total);
    });
    connect(m_sorter, &CListSorter::Sorted, this, [this, ticket, column, order](const CListSorter::Result& result) {
        if (ticket == m_sortTicket)
            FinishSort(column, order, result);
    });
    ShowSortProgress(0, 1);
    if (m_sortPane)
        m_sortPane->show();
    m_sorter->Start(m_session.Store().DatabasePath(), m_model->ShownKind(), column, order == Qt::DescendingOrder);
}

void CPlxView::ShowSortProgress(qint64 done, qint64 total)
{
    if (m_sortProgress && total > 0)
        m_sortProgress->setValue(int(1000 * done / total));
}

void CPlxView::FinishSort(int column, Qt::SortOrder order, const CListSorter::Result& result)
{
    m_sorting = false;
    ++m_sortTicket;
    if (m_sortPane)
        m_sortPane->hide();
    CKeptMessages::Tell(result.messages, m_session.Reporter());
    if (!result.rowids)
        return; // the list keeps the order it shows; the store has said why
    m_model->ShowSorted(column, std::move(*result.rowids));
    ShowSortIndicator(column, order, true);
}

void CPlxView::CancelSort()
{
    if (!m_sorting)
        return;
    m_sorting = false;
    ++m_sortTicket; // whatever it still sends is not shown
    if (m_sorter)
        m_sorter->Cancel();
    if (m_sortPane)
        m_sortPane->hide();
    ShowShownOrder();
}

QWidget* CPlxView::CreateSortPane(QWidget* parent)
{
    auto* pane = new QWidget(parent);
    pane->setObjectName(QStringLiteral("sortPane"));
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(ViewTexts::Sorting, pane);
    layout->addWidget(label);
    // No taller than a line of text: the status bar takes the height of its tallest pane,
    // shown or not, and the windows above it would shrink for a pane that is mostly hidden.
    pane->setMaximumHeight(label->sizeHint().height());
    m_sortProgress = new QProgressBar(pane);
    m_sortProgress->setRange(0, 1000);
    m_sortProgress->setMaximumWidth(160);
    layout->addWidget(m_sortProgress);
    auto* cancel = new QToolButton(pane);
    cancel->setObjectName(QStringLiteral("cancelSort"));
    cancel->setText(ViewTexts::CancelSort);
    connect(cancel, &QToolButton::clicked, this, &CPlxView::CancelSort);
    layout->addWidget(cancel);
    pane->setVisible(m_sorting);
    m_sortPane = pane;
    return pane;
}

QLabel* CPlxView::CreateRowCountPane(QWidget* parent)
{
    auto* pane = new QLabel(parent);
    pane->setObjectName(QStringLiteral("rowCountPane"));
    pane->setAlignment(Qt::AlignCenter);
    const auto show = [pane](qsizetype rows) { pane->setText(ViewTexts::RowCount(rows)); };
    show(m_model->rowCount());
    connect(m_model, &CListModel::RowCountChanged, pane, show);
    return pane;
}

void CPlxView::ClearRows()
{
    m_model->ClearRows();
}

void CPlxView::ShowTable(DataKind kind)
{
    m_session.ShowTable(kind);
}

QString CPlxView::CellText(int row, int column) const
{
    return m_model->Cell(row, column);
}

int CPlxView::RowCount() const
{
    return m_model->rowCount();
}

QMenu* CPlxView::CreateContextMenu(int row)
{
    switch (m_session.CurrentKind())
    {
    case DataKind::Coor:
    case DataKind::Code:
    case DataKind::Alignment: return m_commands.CreateContextMenu(ContextGroup::ListEdit, row >= 0, this);
    case DataKind::Meas: return m_commands.CreateContextMenu(ContextGroup::MeasExport, row >= 0, this);
    case DataKind::V2Meas: return m_commands.CreateContextMenu(ContextGroup::V2MeasExport, row >= 0, this);
    default: return nullptr;
    }
}

void CPlxView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    m_rememberedRow = index.isValid() ? index.row() : -1;
    if (QMenu* menu = CreateContextMenu(m_rememberedRow))
    {
        menu->exec(event->globalPos());
        delete menu;
    }
}

void CPlxView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A double-click below the last row still opens the edit dialog, empty.
    const QModelIndex index = indexAt(event->position().toPoint());
    m_rememberedRow = index.isValid() ? index.row() : -1;
    m_commands.Run(Command::EditRecord);
}
