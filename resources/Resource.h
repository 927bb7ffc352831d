#pragma once
// Ids of the program's resources: commands, strings, menus, accelerator tables, dialogs and
// bitmaps. A command's status text is the string of the same id.

using RESOURCE_ID = unsigned int;

// The document template's menu, accelerators and document string; the in-place container's.
constexpr RESOURCE_ID IDR_MAINFRAME = 128;
constexpr RESOURCE_ID IDR_CNTR_INPLACE = 6;

// Dialogs and bitmaps.
constexpr RESOURCE_ID IDD_SPLASH = 142;
constexpr RESOURCE_ID IDB_SPLASH = 143;
constexpr RESOURCE_ID IDC_SPLASH_PICTURE = 1271;

// Commands of the file, edit and help menus.
constexpr RESOURCE_ID ID_FILE_NEW = 57600;
constexpr RESOURCE_ID ID_FILE_OPEN = 57601;
constexpr RESOURCE_ID ID_FILE_SAVE = 57603;
constexpr RESOURCE_ID ID_FILE_SAVE_AS = 57604;
constexpr RESOURCE_ID ID_FILE_SAVE_HTML = 32996;
constexpr RESOURCE_ID ID_FILE_PRINT_SETUP = 57606;
constexpr RESOURCE_ID ID_FILE_MRU_FILE1 = 57616;
constexpr RESOURCE_ID ID_FILE_MRU_FILE16 = 57631;
constexpr RESOURCE_ID ID_EDIT_UNDO = 57643;
constexpr RESOURCE_ID ID_EDIT_REDO = 57644;
constexpr RESOURCE_ID ID_APP_ABOUT = 57664;
constexpr RESOURCE_ID ID_APP_EXIT = 57665;
constexpr RESOURCE_ID ID_HELP_INDEX = 57666;

// Commands, panes and strings of the editing view.
constexpr RESOURCE_ID ID_EDIT_CLEAR = 57632;
constexpr RESOURCE_ID ID_EDIT_COPY = 57634;
constexpr RESOURCE_ID ID_EDIT_CUT = 57635;
constexpr RESOURCE_ID ID_VIEW_ZOOM = 32889;
constexpr RESOURCE_ID ID_EDIT_TEXT_COPY = 32992;
constexpr RESOURCE_ID ID_EDIT_OBJECT_COPY = 33001;
constexpr RESOURCE_ID ID_VIEW_LINE_ENDS = 33002;
constexpr RESOURCE_ID ID_FORMAT_FONT = 33009;
constexpr RESOURCE_ID ID_INDICATOR_PAGE = 59143;
constexpr RESOURCE_ID IDS_FONT_DEFAULTS = 32792;
constexpr RESOURCE_ID IDS_FONT = 32793;

// The class library's own strings.
constexpr RESOURCE_ID AFX_IDS_IDLEMESSAGE = 57345;
constexpr RESOURCE_ID AFX_IDS_OPENFILE = 61440;
constexpr RESOURCE_ID AFX_IDS_SAVEFILE = 61441;
constexpr RESOURCE_ID AFX_IDS_ALLFILTER = 61442;
constexpr RESOURCE_ID AFX_IDS_UNSUPPORTED_WINDOWS = 61443;
