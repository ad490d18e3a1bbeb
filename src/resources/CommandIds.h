// Command identifiers of the menus, accelerators and context menus.
#pragma once

namespace tessary::cmd {

enum : int {
    // ファイル
    FileNew = 57600,
    FileOpen = 57601,
    AppendLoad = 32792,
    FileSave = 57603,
    FileSaveAs = 57604,
    Export = 32771,
    Download = 32794,
    AppExit = 57665,
    // 編集
    Undo = 57643,
    Register = 32784,
    Update = 32791,
    Delete = 32786,
    Copy = 57634,
    SimpleText = 32798,
    Detail = 32787,
    // 表示
    ViewStatusBar = 59393,
    ShowDeedList = 32772,
    ShowConditionList = 32773,
    SortCategory = 32774,
    SortType = 32775,
    SortMaterial = 32776,
    SortQuality = 32777,
    SortQuantity = 32778,
    SortCombined = 32779,
    SortComment = 32780,
    SortSerial = 32781,
    SortRemaining = 32782,
    SortItemOrder = 32795,
    FilterSet = 32789,
    FilterClear = 32790,
    // ツール
    SimpleTextOrder = 32797,
    ShowTypeList = 32793,
    CustomizeNames = 32788,
    // ヘルプ
    About = 57664,
};

} // namespace tessary::cmd

namespace tessary {

// Update hints broadcast by the document to its views.
enum UpdateHint : int {
    kHintReselect = 1, // the tree selects its current item again
    kHintSelectionChanged = 2,
    kHintFilterChanged = 3,
    kHintListSwitched = 4,
    kHintAppended = 5,
    kHintDownloaded = 6,
    kHintNamesChanged = 7,
};

} // namespace tessary
