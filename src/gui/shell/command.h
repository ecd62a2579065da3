#pragma once

// What the menus, the tool bar, the command panel and the context menus ask the program to do.
// The values are the identifiers these commands carried in the instrument-era program, which
// its documentation and the users' scripts name: keep them.
enum class Command : int
{
    None = 0, // the empty entry that ends each page of the command panel
    ListExport = 171,
    ToolBarExit = 172,
    ToggleLeftBar = 32771,
    ToggleToolBar = 32773,
    ToggleStatusBar = 32774,
    AddRecord = 32780,
    EditRecord = 32781,
    DeleteRecord = 32782,
    DeleteAll = 32783,
    ExportHd = 32785,
    ExportSd = 32788,
    ExportAngle = 32789,
    DataExport = 32790,
    ExportMeasEn = 32791,
    ExportMeasNe = 32792,
    ExportV2MeasEn = 32793,
    ExportV2MeasNe = 32794,
    OutputFile = 57610,
    CommSettings = 57614,
    CopyRows = 57634,
    ShowCoor = 57638,
    ShowCode = 57639,
    Import = 57645,
    SdCard = 57647,
    ShowAlignment = 57650,
    MenuExit = 57665,
    Help = 57670,
    About = 57664,
    Download = 57675,
    Upload = 57676,
    // The computations, added to the program after the instrument era.
    ComputePoints = 33001,
    ComputeFaces = 33002,
    ComputeTraverse = 33003,
    ShowCalc = 33004,
    CopyCalcToCoor = 33005,
    EditTraverseGrades = 33010,
    Adjust = 33006,
    FreeStation = 33007,
    ShowAdjusted = 33008,
    CopyAdjustedToCoor = 33009,
    // The coordinate systems.
    CoordSystem = 33011,
    TransformList = 33012,
    FitParameters = 33013,
    ExportKml = 33014,
    ExportGeoJson = 33015,
    ExportPlan = 33016,
    // The project database the program works on.
    NewProject = 33020,
    OpenProject = 33021,
};
