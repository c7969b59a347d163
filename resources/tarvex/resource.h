/* Resource identifiers of Tarvex.exe, shared by its code and Tarvex.rc. */
#pragma once
#include "platform/win32/ui/FrameCommands.h"

/* Menu, toolbar, its bitmap, accelerators, the application icon (also the archive icon)
   and the document template string. */
#define IDR_MAINFRAME 128
/* Right-click menu: its first popup is shown. */
#define IDR_CONTEXT_MENU 104
/* Location bar toolbar and its bitmap: label, combo box and Go button. */
#define IDR_LOCATION_BAR 177

/* File-type icons. */
#define IDI_MODEL 132
#define IDI_WORLD 133
#define IDI_TEXTURE 192
#define IDI_SPRITE 193

/* The 127 bytes every archive begins with (RCDATA). */
#define IDR_TEXT_BLOCK 3003
/* The clip of the progress window (AVI). */
#define IDR_PROGRESS_ANIMATION 184

/* Dialogs. */
#define IDD_ABOUTBOX 100
#define IDD_WIZARD 197
#define IDD_WIZARD_TASK 135
#define IDD_WIZARD_CONTENT 204
#define IDD_WIZARD_GAME 205

/* Commands. Those of the framework (New, Open, Save, Save As, Copy, Cut, Paste, Toolbar,
   Status Bar, About, Exit) come from FrameCommands.h. */
#define ID_WIZARD 200
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE2 0xE111
#define ID_FILE_MRU_FILE3 0xE112
#define ID_FILE_MRU_FILE4 0xE113
#define ID_FILE_NEW_REZ 32789
#define ID_FILE_NEW_PROJECT 32790
#define ID_OBJECT_INSERT 32771
#define ID_OBJECT_EXTRACT 32772
#define ID_OBJECT_EXTRACT_PNG 32840
#define ID_EDIT_DELETE 32773
#define ID_OBJECT_NEW_FOLDER 32781
#define ID_EDIT_RENAME 32782
#define ID_EDIT_SELECT_ALL 32808
/* Edit > Find: not the framework's ID_EDIT_FIND, which Quillet uses. */
#define ID_EDIT_FIND_ITEMS 32850
#define ID_VIEW_LOCATION_BAR 32796
#define ID_VIEW_SMALLICON 0xE810
#define ID_VIEW_LARGEICON 0xE811
#define ID_VIEW_LIST 0xE812
#define ID_VIEW_DETAILS 0xE813
#define ID_VIEW_REFRESH 32803
#define ID_GO_UP 32787
#define ID_GO_BACK 32798
#define ID_GO_FORWARD 32799
/* Visited folders listed in View > Go To, first to last. */
#define ID_GO_HISTORY_FIRST 32809
#define ID_GO_HISTORY_LAST 32824
#define ID_HELP_CONTENTS 32791
/* F6 and Shift+F6: the focus to the next or the previous pane. */
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

/* Location bar buttons, and the controls that take their places. */
#define ID_LOCATION_COMBO 32827
#define ID_LOCATION_GO 32828
#define ID_LOCATION_LABEL 32830

/* Status bar panes; their strings size the panes until the totals are shown. */
#define ID_INDICATOR_SELECTION 105
#define ID_INDICATOR_TOTALS 106

/* About box. */
#define IDC_ABOUT_ICON 1001
#define IDC_ABOUT_NAME 1002
#define IDC_ABOUT_VERSION 1003
#define IDC_ABOUT_MAKER 1004

/* Find: the pattern asked for. */
#define IDD_FIND 20120
#define IDC_FIND_PATTERN 20121
#define IDC_FIND_LABEL 20122

/* Wizard host. */
#define ID_WIZBACK 12323
#define ID_WIZNEXT 12324
#define ID_WIZFINISH 12325
#define IDC_WIZARD_FRAME 1068

/* Wizard page 1: the task. */
#define IDC_TASK_HEADING 1100
#define IDC_TASK_ADD_FILES 1053
#define IDC_TASK_ADD_FOLDERS 1054
#define IDC_TASK_MAP_PACK 1055
#define IDC_TASK_MAP_PACK_FOLDER 1036
#define IDC_TASK_EXTRACT 1056

/* Wizard page 2: the game, with the engine named beside each. */
#define IDC_GAME_HEADING 1101
#define IDC_GAME_LITHTECH1 1036
#define IDC_GAME_LITHTECH2 1038
#define IDC_GAME_TALON 1039
#define IDC_GAME_JUPITER 1040
#define IDC_ENGINE_LITHTECH1 1103
#define IDC_ENGINE_LITHTECH2 1104
#define IDC_ENGINE_TALON 1105
#define IDC_ENGINE_JUPITER 1106
#define IDC_GAME_NOTE 1102

/* Wizard page 3: what goes into the map pack; each box's identifier is its category. */
#define IDC_CONTENT_HEADING 1107
#define IDC_CHARACTER_SKINS 1057
#define IDC_CHARACTER_MODELS 1058
#define IDC_WEAPON_SKINS 1059
#define IDC_WEAPON_MODELS 1060
#define IDC_DEATHMATCH_MAPS 1061
#define IDC_TEAM_ASSAULT_MAPS 1062
#define IDC_COOPERATIVE_MAPS 1063
#define IDC_DOOMSDAY_MAPS 1064
#define IDC_SINGLEPLAYER_MAPS 1067
#define IDC_ATTRIBUTE_FILES 1069
#define IDC_CONTENT_NOTE 1108

/* Strings. The application title is the framework's string 0xE000. */
#define IDS_APP_TITLE 0xE000
#define IDS_TALON_WARNING 130
/* Folder of a map-pack category c for game type t: IDS_LAYOUT_BASE + 1000 * t + c. */
#define IDS_LAYOUT_BASE 10000

/* The messages of the program are its code's texts; the wizard's message waits for its code. */
#define IDS_NO_REZ_LOADED 20039
