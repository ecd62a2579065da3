#pragma once

#include "core/report/shown_text.h"
#include "gui/shell/command.h"

#include <QKeySequence>
#include <QStyle>

#include <optional>
#include <span>

// Where a command is offered. The menus, the tool bar, the command panel and the list's context
// menus are built from the table below, in its order: a new command is one row here and one
// handler in its feature.
enum class MenuPlace { None, File, Edit, Serial, Compute, Show, Help };
enum class PanelPage { None, Files, Editing, Serial, Compute };
enum class ContextGroup { None, ListEdit, MeasExport, V2MeasExport };

struct CommandRow
{
    Command command;
    // The menu bar. Words with a mnemonic key are made into a menu item (see MenuItem); words
    // without one are the item as it stands.
    MenuPlace menu = MenuPlace::None;
    std::optional<ShownText> menuWords = std::nullopt;
    char mnemonic = 0;
    bool opensDialog = false;
    bool separatorBefore = false;
    QKeySequence shortcut = {};
    bool checkable = false;     // a bar toggle, checked while its bar shows
    bool onSelectedRow = false; // acts on the list's one selected row
    // The status prompt, then after a line break the tool tip.
    std::optional<ShownText> prompt = std::nullopt;
    // The main tool bar.
    std::optional<ShownText> toolWords = std::nullopt;
    QStyle::StandardPixmap toolIcon = QStyle::SP_CustomBase;
    // The command panel.
    PanelPage page = PanelPage::None;
    std::optional<ShownText> panelWords = std::nullopt;
    std::optional<ShownText> panelTip = std::nullopt;
    QStyle::StandardPixmap panelIcon = QStyle::SP_CustomBase;
    // The list's context menu of a group of kinds.
    ContextGroup context = ContextGroup::None;
    std::optional<ShownText> contextWords = std::nullopt;
    bool contextNeedsRow = false; // enabled only on a row
    bool contextSeparatorBefore = false;
};

// Every command, in the order of the menus, the tool bar, the panel and the context menus.
std::span<const CommandRow> CommandTable();
const CommandRow& CommandRowOf(Command command);

struct MenuHeading
{
    MenuPlace place;
    ShownText title;
    const char* objectName;
};
// The menus of the menu bar, left to right.
std::span<const MenuHeading> MenuHeadings();

struct PanelHeading
{
    PanelPage page;
    ShownText title;
};
// The command panel's pages, top to bottom.
std::span<const PanelHeading> PanelHeadings();

// The title of a group's context menu.
ShownText ContextTitle(ContextGroup group);

// What a row shows on each surface, translated.
QString Translated(const std::optional<ShownText>& words); // empty where the row has none
QString MenuText(const CommandRow& row);
QString StatusPrompt(const CommandRow& row);   // empty when it has none
QString PromptToolTip(const CommandRow& row);  // empty when it has none
