#include "gui/views/plx_view.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "core/views/data_kind.h"
#include "gui/views/list_model.h"
#include "core/views/list_rows.h"
#include "gui/views/plx_doc.h"
#include "gui/views/view_texts.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>

namespace
{
// Room around a text in a cell or a header (margins, the sort arrow).
constexpr int CellPadding = 16;
constexpr int HeaderPadding = 24;
// The rows whose texts a fitted column takes into account: those shown first.
constexpr int FittedRows = 128;

QString WidthKey(DataKind kind, const QString& column)
{
    return QStringLiteral("list/%1/%2").arg(NumberOf(kind)).arg(column);
}
} // namespace

CPlxView::CPlxView(CMerionApp& app, QWidget* parent)
    : QTableView(parent), m_app(app), m_model(new CListModel(app.Store(), this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows at once for copying them out (Ctrl+C); editing and deleting take one row.
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

    RegisterCommand(Command::ShowCoor, [this] { ShowTable(DataKind::Coor); });
    RegisterCommand(Command::ShowCode, [this] { ShowTable(DataKind::Code); });
    RegisterCommand(Command::ShowAlignment, [this] { ShowTable(DataKind::Alignment); });
}

void CPlxView::RegisterCommand(int command, std::function<void()> handler)
{
    m_handlers.insert(command, std::move(handler));
}

void CPlxView::OnCommand(int command)
{
    const auto handler = m_handlers.constFind(command);
    if (handler != m_handlers.constEnd())
        (*handler)();
}

void CPlxView::OnUpdate()
{
    m_model->SetLayout(ListLayoutOf(m_app.CurrentKind()));
    horizontalHeader()->setSortIndicatorShown(false);
    ApplyColumnWidths(false);
}

void CPlxView::Fill(DataKind kind)
{
    m_model->ShowRowsOf(kind);
    horizontalHeader()->setSortIndicatorShown(false);
    ApplyColumnWidths(true);
}

void CPlxView::ShowOverlay(ListCellOverlay overlay)
{
    m_model->SetOverlay(std::move(overlay));
    ApplyColumnWidths(true);
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
        const int chosen = settings.value(WidthKey(m_app.CurrentKind(), layout[column].source)).toInt();
        setColumnWidth(column, chosen > 0 ? chosen : FittedWidth(column, fitRows));
    }
    m_settingWidths = false;
}

void CPlxView::RememberColumnWidth(int column, int width)
{
    const QList<ListColumn>& layout = m_model->Layout();
    if (column < 0 || column >= layout.size() || width <= 0)
        return;
    QSettings().setValue(WidthKey(m_app.CurrentKind(), layout[column].source), width);
}

void CPlxView::SortByColumn(int column)
{
    if (column < 0 || column >= m_model->columnCount() || m_model->rowCount() == 0)
        return;
    std::optional<Qt::SortOrder> order = Qt::AscendingOrder;
    if (m_model->SortColumn() == column)
        order = m_sortOrder == Qt::AscendingOrder ? std::optional<Qt::SortOrder>(Qt::DescendingOrder) : std::nullopt;
    // A selected row would point at another record once the rows move.
    selectionModel()->clear();
    // Sorting a million rows takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool sorted = m_model->SortRows(column, order);
    QGuiApplication::restoreOverrideCursor();
    m_sortOrder = order.value_or(Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorShown(sorted && order);
    if (sorted && order)
        horizontalHeader()->setSortIndicator(column, *order);
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
    m_app.SetCurrentKind(kind);
    ClearRows();
    m_app.Document().UpdateAllViews();
    Fill(kind);
}

QString CPlxView::CellText(int row, int column) const
{
    return m_model->Cell(row, column);
}

int CPlxView::RowCount() const
{
    return m_model->rowCount();
}

void CPlxView::AddMenuCommand(QMenu* menu, const QString& text, int command, bool enabled)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("cmd_%1").arg(command));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
}

QMenu* CPlxView::CreateContextMenu(int row)
{
    const bool onRow = row >= 0;
    auto* menu = new QMenu(this);
    switch (m_app.CurrentKind())
    {
    case DataKind::Coor:
    case DataKind::Code:
    case DataKind::Alignment:
        menu->setTitle(ViewTexts::ListEditMenu);
        AddMenuCommand(menu, ViewTexts::Add, Command::AddRecord, true);
        AddMenuCommand(menu, ViewTexts::Edit, Command::EditRecord, onRow);
        menu->addSeparator();
        AddMenuCommand(menu, ViewTexts::DeleteRecord, Command::DeleteRecord, onRow);
        AddMenuCommand(menu, ViewTexts::DeleteAll, Command::DeleteAll, true);
        menu->addSeparator();
        AddMenuCommand(menu, ViewTexts::DataExport, Command::DataExport, true);
        return menu;
    case DataKind::Meas:
        menu->setTitle(ViewTexts::MeasExportMenu);
        AddMenuCommand(menu, ViewTexts::AngleExport, Command::ExportAngle, onRow);
        AddMenuCommand(menu, ViewTexts::HdExport, Command::ExportHd, onRow);
        AddMenuCommand(menu, ViewTexts::SdExport, Command::ExportSd, onRow);
        AddMenuCommand(menu, ViewTexts::ExportEn, Command::ExportMeasEn, onRow);
        AddMenuCommand(menu, ViewTexts::ExportNe, Command::ExportMeasNe, onRow);
        return menu;
    case DataKind::V2Meas:
        menu->setTitle(ViewTexts::V2MeasExportMenu);
        AddMenuCommand(menu, ViewTexts::ExportEn, Command::ExportV2MeasEn, onRow);
        AddMenuCommand(menu, ViewTexts::ExportNe, Command::ExportV2MeasNe, onRow);
        return menu;
    default:
        delete menu;
        return nullptr;
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
    OnCommand(Command::EditRecord);
}
