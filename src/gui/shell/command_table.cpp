#include "gui/shell/command_table.h"

#include "gui/shell/command_texts.h"

#include <algorithm>
#include <vector>

namespace
{
using namespace CommandTexts;

const std::vector<CommandRow>& Rows()
{
    // Brace-initialised by field name, so that a row says on which surfaces it stands.
    static const std::vector<CommandRow> rows = {
        {.command = Command::NewProject, .menu = MenuPlace::File, .menuWords = NewProjectItem,
         .mnemonic = 'N', .opensDialog = true, .prompt = NewProjectPrompt},
        {.command = Command::OpenProject, .menu = MenuPlace::File, .menuWords = OpenProjectItem,
         .mnemonic = 'P', .opensDialog = true, .prompt = OpenProjectPrompt},
        {.command = Command::Import, .menu = MenuPlace::File, .menuWords = OpenItem, .separatorBefore = true,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_O), .prompt = ImportPrompt,
         .toolWords = ReadFileButton, .toolIcon = QStyle::SP_DialogOpenButton,
         .page = PanelPage::Files, .panelWords = InputFileButton,
         .panelTip = InputFileTip, .panelIcon = QStyle::SP_DialogOpenButton},
        {.command = Command::OutputFile, .menu = MenuPlace::File, .menuWords = OutputFileButton,
         .mnemonic = 'E', .opensDialog = true, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_E),
         .prompt = OutputFilePrompt, .page = PanelPage::Files,
         .panelWords = OutputFileButton, .panelTip = OutputFileTip,
         .panelIcon = QStyle::SP_DialogSaveButton},
        {.command = Command::ListExport, .menu = MenuPlace::File, .menuWords = ListExportButton,
         .mnemonic = 'L', .opensDialog = true, .prompt = ListExportPrompt, .toolWords = ListExportButton,
         .toolIcon = QStyle::SP_FileDialogContentsView},
        {.command = Command::ExportKml, .menu = MenuPlace::File, .menuWords = ExportKmlItem,
         .mnemonic = 'K', .opensDialog = true, .prompt = ExportKmlPrompt},
        {.command = Command::ExportGeoJson, .menu = MenuPlace::File, .menuWords = ExportGeoJsonItem,
         .mnemonic = 'G', .opensDialog = true, .prompt = ExportGeoJsonPrompt},
        {.command = Command::ExportPlan, .menu = MenuPlace::File, .menuWords = ExportPlanItem,
         .mnemonic = 'M', .opensDialog = true, .prompt = ExportPlanPrompt},
        {.command = Command::SdCard, .menu = MenuPlace::File, .menuWords = SdCardButton,
         .mnemonic = 'D', .opensDialog = true, .prompt = SdCardPrompt,
         .page = PanelPage::Files, .panelWords = SdCardButton,
         .panelTip = SdCardTip, .panelIcon = QStyle::SP_DriveFDIcon},
        {.command = Command::MenuExit, .menu = MenuPlace::File, .menuWords = ExitItem,
         .separatorBefore = true},
        {.command = Command::ToolBarExit, .prompt = ExitPrompt, .toolWords = ExitButton,
         .toolIcon = QStyle::SP_DialogCloseButton},

        {.command = Command::CopyRows, .menu = MenuPlace::Edit, .menuWords = CopyItem,
         .shortcut = QKeySequence(QKeySequence::Copy)},
        {.command = Command::ShowCoor, .menu = MenuPlace::Edit, .menuWords = CoorButton,
         .mnemonic = 'P', .separatorBefore = true, .prompt = ShowCoorPrompt,
         .page = PanelPage::Editing, .panelWords = CoorButton,
         .panelTip = CoorTip, .panelIcon = QStyle::SP_FileDialogDetailedView},
        {.command = Command::ShowCode, .menu = MenuPlace::Edit, .menuWords = CodeButton,
         .mnemonic = 'B', .prompt = ShowCodePrompt, .page = PanelPage::Editing,
         .panelWords = CodeButton, .panelTip = CodeTip,
         .panelIcon = QStyle::SP_FileDialogListView},
        {.command = Command::AddRecord, .menu = MenuPlace::Edit, .menuWords = Add,
         .mnemonic = 'A', .opensDialog = true, .separatorBefore = true, .context = ContextGroup::ListEdit,
         .contextWords = Add},
        {.command = Command::EditRecord, .menu = MenuPlace::Edit, .menuWords = Edit,
         .mnemonic = 'E', .opensDialog = true, .onSelectedRow = true, .context = ContextGroup::ListEdit,
         .contextWords = Edit, .contextNeedsRow = true},
        {.command = Command::DeleteRecord, .menu = MenuPlace::Edit, .menuWords = DeleteRecord,
         .mnemonic = 'D', .shortcut = QKeySequence(QKeySequence::Delete), .onSelectedRow = true,
         .context = ContextGroup::ListEdit, .contextWords = DeleteRecord,
         .contextNeedsRow = true, .contextSeparatorBefore = true},
        {.command = Command::DeleteAll, .menu = MenuPlace::Edit, .menuWords = DeleteAll,
         .mnemonic = 'L', .context = ContextGroup::ListEdit, .contextWords = DeleteAll},
        {.command = Command::DataExport, .context = ContextGroup::ListEdit,
         .contextWords = DataExport, .contextSeparatorBefore = true},
        {.command = Command::ExportAngle, .context = ContextGroup::MeasExport,
         .contextWords = AngleExport, .contextNeedsRow = true},
        {.command = Command::ExportHd, .context = ContextGroup::MeasExport,
         .contextWords = HdExport, .contextNeedsRow = true},
        {.command = Command::ExportSd, .context = ContextGroup::MeasExport,
         .contextWords = SdExport, .contextNeedsRow = true},
        {.command = Command::ExportMeasEn, .context = ContextGroup::MeasExport,
         .contextWords = ExportEn, .contextNeedsRow = true},
        {.command = Command::ExportMeasNe, .context = ContextGroup::MeasExport,
         .contextWords = ExportNe, .contextNeedsRow = true},
        {.command = Command::ExportV2MeasEn, .context = ContextGroup::V2MeasExport,
         .contextWords = ExportEn, .contextNeedsRow = true},
        {.command = Command::ExportV2MeasNe, .context = ContextGroup::V2MeasExport,
         .contextWords = ExportNe, .contextNeedsRow = true},

        {.command = Command::CommSettings, .menu = MenuPlace::Serial, .menuWords = CommSettingsButton,
         .mnemonic = 'S', .opensDialog = true, .prompt = CommSettingsPrompt,
         .page = PanelPage::Serial, .panelWords = CommSettingsButton,
         .panelTip = CommSettingsTip, .panelIcon = QStyle::SP_ComputerIcon},
        {.command = Command::Upload, .menu = MenuPlace::Serial, .menuWords = UploadButton,
         .mnemonic = 'U', .opensDialog = true, .prompt = UploadPrompt,
         .page = PanelPage::Serial, .panelWords = UploadButton,
         .panelTip = UploadTip, .panelIcon = QStyle::SP_ArrowUp},
        {.command = Command::Download, .menu = MenuPlace::Serial, .menuWords = DownloadButton,
         .mnemonic = 'D', .opensDialog = true, .prompt = DownloadPrompt,
         .page = PanelPage::Serial, .panelWords = DownloadButton,
         .panelTip = DownloadTip, .panelIcon = QStyle::SP_ArrowDown},

        {.command = Command::ComputePoints, .menu = MenuPlace::Compute, .menuWords = ComputePointsButton,
         .mnemonic = 'R', .opensDialog = true, .prompt = ComputePointsPrompt, .page = PanelPage::Compute,
         .panelWords = ComputePointsButton, .panelTip = ComputePointsTip, .panelIcon = QStyle::SP_BrowserReload},
        {.command = Command::ComputeFaces, .menu = MenuPlace::Compute, .menuWords = ComputeFacesButton,
         .mnemonic = 'F', .opensDialog = true, .prompt = ComputeFacesPrompt, .page = PanelPage::Compute,
         .panelWords = ComputeFacesButton, .panelTip = ComputeFacesTip, .panelIcon = QStyle::SP_MediaSeekForward},
        {.command = Command::ComputeTraverse, .menu = MenuPlace::Compute, .menuWords = ComputeTraverseButton,
         .mnemonic = 'T', .opensDialog = true, .prompt = ComputeTraversePrompt, .page = PanelPage::Compute,
         .panelWords = ComputeTraverseButton, .panelTip = ComputeTraverseTip, .panelIcon = QStyle::SP_DirLinkIcon},
        {.command = Command::ShowCalc, .menu = MenuPlace::Compute, .menuWords = ShowCalcButton, .mnemonic = 'L',
         .separatorBefore = true, .prompt = ShowCalcPrompt, .page = PanelPage::Compute,
         .panelWords = ShowCalcButton, .panelTip = ShowCalcTip, .panelIcon = QStyle::SP_FileDialogDetailedView},
        {.command = Command::CopyCalcToCoor, .menu = MenuPlace::Compute, .menuWords = CopyCalcButton,
         .mnemonic = 'C', .prompt = CopyCalcPrompt},
        {.command = Command::EditTraverseGrades, .menu = MenuPlace::Compute, .menuWords = EditGradesButton,
         .mnemonic = 'G', .opensDialog = true, .separatorBefore = true, .prompt = EditGradesPrompt},
        {.command = Command::Adjust, .menu = MenuPlace::Compute, .menuWords = AdjustButton, .mnemonic = 'A',
         .opensDialog = true, .separatorBefore = true, .prompt = AdjustPrompt, .page = PanelPage::Compute,
         .panelWords = AdjustButton, .panelTip = AdjustTip, .panelIcon = QStyle::SP_FileDialogInfoView},
        {.command = Command::FreeStation, .menu = MenuPlace::Compute, .menuWords = FreeStationButton,
         .mnemonic = 'S', .opensDialog = true, .prompt = FreeStationPrompt, .page = PanelPage::Compute,
         .panelWords = FreeStationButton, .panelTip = FreeStationTip, .panelIcon = QStyle::SP_ComputerIcon},
        {.command = Command::ShowAdjusted, .menu = MenuPlace::Compute, .menuWords = ShowAdjustedButton,
         .mnemonic = 'J', .prompt = ShowAdjustedPrompt, .page = PanelPage::Compute,
         .panelWords = ShowAdjustedButton, .panelTip = ShowAdjustedTip, .panelIcon = QStyle::SP_FileDialogListView},
        {.command = Command::CopyAdjustedToCoor, .menu = MenuPlace::Compute, .menuWords = CopyAdjustedButton,
         .mnemonic = 'P', .prompt = CopyAdjustedPrompt},
        {.command = Command::CoordSystem, .menu = MenuPlace::Compute, .menuWords = SystemButton, .mnemonic = 'Y',
         .opensDialog = true, .separatorBefore = true, .prompt = SystemPrompt, .page = PanelPage::Compute,
         .panelWords = SystemButton, .panelTip = SystemTip, .panelIcon = QStyle::SP_DriveNetIcon},
        {.command = Command::TransformList, .menu = MenuPlace::Compute, .menuWords = TransformButton, .mnemonic = 'O',
         .opensDialog = true, .prompt = TransformPrompt, .page = PanelPage::Compute,
         .panelWords = TransformButton, .panelTip = TransformTip, .panelIcon = QStyle::SP_BrowserReload},
        {.command = Command::FitParameters, .menu = MenuPlace::Compute, .menuWords = FitButton, .mnemonic = 'N',
         .opensDialog = true, .prompt = FitPrompt, .page = PanelPage::Compute,
         .panelWords = FitButton, .panelTip = FitTip, .panelIcon = QStyle::SP_FileDialogInfoView},

        {.command = Command::ToggleToolBar, .menu = MenuPlace::Show, .menuWords = ToolBarItem,
         .checkable = true, .prompt = ToolBarPrompt},
        {.command = Command::ToggleLeftBar, .menu = MenuPlace::Show,
         .menuWords = LeftBarItem, .checkable = true,
         .prompt = LeftBarPrompt},
        {.command = Command::ToggleStatusBar, .menu = MenuPlace::Show,
         .menuWords = StatusBarItem, .checkable = true,
         .prompt = StatusBarPrompt},

        {.command = Command::Help, .menu = MenuPlace::Help, .menuWords = GuideItem, .mnemonic = 'G',
         .shortcut = QKeySequence(Qt::Key_F1), .prompt = GuidePrompt},
        {.command = Command::About, .menu = MenuPlace::Help, .menuWords = AboutItem, .mnemonic = 'A',
         .opensDialog = true, .separatorBefore = true, .prompt = AboutPrompt},
        // Offered by no surface today; the list still switches to the alignment on it.
        {.command = Command::ShowAlignment, .prompt = ShowAlignmentPrompt},
        {.command = Command::None},
    };
    return rows;
}

bool HasHan(const QString& words)
{
    return std::any_of(words.begin(), words.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}
} // namespace

QString Translated(const std::optional<ShownText>& words)
{
    return words ? words->Text() : QString();
}

std::span<const CommandRow> CommandTable()
{
    return Rows();
}

const CommandRow& CommandRowOf(Command command)
{
    const std::vector<CommandRow>& rows = Rows();
    const auto found =
        std::find_if(rows.begin(), rows.end(), [command](const CommandRow& row) { return row.command == command; });
    return found == rows.end() ? rows.back() : *found;
}

std::span<const MenuHeading> MenuHeadings()
{
    static const MenuHeading headings[] = {{MenuPlace::File, FileMenu, "fileMenu"},
                                           {MenuPlace::Edit, EditMenu, "editMenu"},
                                           {MenuPlace::Serial, SerialMenu, "serialMenu"},
                                           {MenuPlace::Compute, ComputeMenu, "computeMenu"},
                                           {MenuPlace::Show, ShowMenu, "showMenu"},
                                           {MenuPlace::Help, HelpMenu, "helpMenu"}};
    return headings;
}

std::span<const PanelHeading> PanelHeadings()
{
    static const PanelHeading headings[] = {
        {PanelPage::Files, FilePage}, {PanelPage::Editing, EditPage}, {PanelPage::Serial, SerialPage},
        {PanelPage::Compute, ComputePage}};
    return headings;
}

ShownText ContextTitle(ContextGroup group)
{
    switch (group)
    {
    case ContextGroup::MeasExport: return MeasExportMenu;
    case ContextGroup::V2MeasExport: return V2MeasExportMenu;
    case ContextGroup::ListEdit:
    case ContextGroup::None: break;
    }
    return ListEditMenu;
}

QString MenuText(const CommandRow& row)
{
    const QString words = Translated(row.menuWords);
    return row.mnemonic ? CommandTexts::MenuItem(words, QLatin1Char(row.mnemonic), row.opensDialog) : words;
}

QString StatusPrompt(const CommandRow& row)
{
    return Translated(row.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString PromptToolTip(const CommandRow& row)
{
    return Translated(row.prompt).section(QLatin1Char('\n'), 1, 1);
}

namespace CommandTexts
{
QString MenuItem(const QString& words, QChar key, bool opensDialog)
{
    const QString ellipsis = opensDialog ? QStringLiteral("...") : QString();
    const qsizetype at = HasHan(words) ? -1 : words.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return words + QStringLiteral("(&") + key + QLatin1Char(')') + ellipsis;
    return QString(words).insert(at, QLatin1Char('&')) + ellipsis;
}
} // namespace CommandTexts
