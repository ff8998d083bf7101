// editor_record_win.hpp - the editor window's record and the editor's internal routines (Win32).
// The record is attached to the frame as its user data. Its first fifteen words are 32-bit
// words the window manager reads too (the kind, the four docked bars, the controls, the focus
// target), handles in them kept by wordOf/handleOf; the rest is the editor's own.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

#include "editor/buffer_store.hpp"
#include "editor/editor.hpp"

constexpr int EditorBuffers = 35;
constexpr int EditorTextLimit = 104857500;
constexpr int EditorControlId = 1002, EditorToolbarId = 1001, EditorCommandLineId = 1004, EditorPromptId = 1005;

// Installs the editor window's table with the window manager (when the library is assembled).
void yyeditinstallkind();
// Offers a message to an editor window's find dialog and accelerator tables; true when consumed.
bool yyeditaccelerate(int* record, MSG* message);
// 1 when the editor may close (read-only, no prompting, unchanged, or saved or dropped), 0 on
// Cancel.
int yyEditCheckSave(HWND frame, int* record);
// Multi-buffer editors: asks for each other buffer that needs saving in turn; 1 lets the close
// go on, 0 on the first Cancel.
int yyeditcheckotherbuffers(HWND frame, int* record);
// Turning window n back into a plain child: destroys the editor's menus, accelerator tables,
// controls, toolbar, status bar and find dialog, its font and open buffer files, and frees the
// record (the editor's own type). The window manager restores the frame's procedure before.
void yyeditrevert(int n, int* record);

// Command identifiers.
enum EditorCommand : int {
    CmdNew = 32101, CmdOpen = 32102, CmdSave = 32103, CmdSaveAs = 32104, CmdPrint = 32105,
    CmdPrintSelection = 32106, CmdClose = 32107, CmdExit = 32108,
    CmdUndo = 32121, CmdCut = 32122, CmdCopy = 32123, CmdPaste = 32124, CmdDelete = 32125,
    CmdSelectAll = 32126, CmdRedo = 32127,
    CmdFind = 32141, CmdFindNext = 32142, CmdReplace = 32143, CmdSetBookmark = 32147, CmdGotoBookmark = 32148,
    CmdFont = 32161, CmdBullet = 32162, CmdAlignLeft = 32163, CmdAlignCentre = 32164, CmdAlignRight = 32165,
    CmdBold = 32166, CmdItalic = 32167, CmdUnderline = 32168,
    CmdViewBase = 32180,  // + buffer number
    CmdInsertPicture = 40019, CmdInsertLink = 40020, CmdHelp = 40073,
};
// Pop-up identifiers of the editor's menus.
constexpr int FileMenuId = 32100, EditMenuId = 32120, SearchMenuId = 32140, FormatMenuId = 32160, ViewMenuId = 32180;

struct EditorWindowRecord {
    // Words the window manager reads.
    int Kind;                                   // 1
    int TopBar, LeftBar, RightBar, BottomBar;   // the frame's docked toolbars
    int RichEdit;                               // the rich-edit control
    int Toolbar;                                // the editor's own toolbar, 0 none
    int ToolTips;
    int StatusBar;
    int CommandLine;                            // combo box with history, else the edit itself
    int CommandEdit;                            // the edit that receives the typing
    int PromptFrame;
    int PromptText;
    int FindDialog;
    int FocusControl;
    // The editor's own.
    HMENU MenuBar, FileMenu, EditMenu, SearchMenu, FormatMenu, ViewMenu;
    HACCEL EditorAccelerators, ApplicationAccelerators, InsideParentAccelerators;
    int Mode;           // 1 modal, 2 modeless, 3 semi-modeless
    int TextLimit;
    int CommandLineHeight;
    int PromptOffset;
    int ChangedFlag;
    int ProtectActive;
    int BufferFilterIndex[EditorBuffers + 1];  // by buffer 1..35
    int CurrentBuffer;
    int BufferCount;
    char FileName[261];
    char WindowTitle[1025];
    char FindText[1025];
    char ReplaceText[1025];
    char FileFilter[1002];
    FINDREPLACEA FindReplace;
    int ModalDone;
    int InsertMode;
    int AllowNew, ReadOnly, AllowOpen, AllowSave, AllowSaveAs, AllowPrint, RichText, MultiBuffer, HideFileName,
        QuietOpen, ApplicationPrints, HelpMode;
    int ColouringOn;
    int DisplayFrozen;
    int RawPositions, BackupOnSave, ShowModified;
    HFONT Font;
    int FontType, FontSize;
    int LineHeight;
    int CharHeight;
    HANDLE BufferFile[EditorBuffers + 1];  // by buffer 1..35
    int PositionCacheInternal, PositionCacheExternal;
    int Bookmark[EditorBuffers + 1];
    int BookmarkTextLength[EditorBuffers + 1];
    // Not part of the caller's picture: the options word itself, for the menu and toolbar layout.
    int Options;
};
static_assert(offsetof(EditorWindowRecord, FocusControl) == 14 * sizeof(int), "the window manager reads words 0..14");

// The option bits of yyeditfile.
enum EditorOption : int {
    EditWordWrap = 1, EditReadOnly = 4, EditCommandLine = 8, EditCommandHistory = 16, EditNoToolbar = 32,
    EditRichText = 64, EditShowModified = 128, EditNoNewOpen = 256, EditNoSaveAs = 512, EditNoPrint = 1024,
    EditNoSave = 8192, EditMultiBuffer = 16384, EditNoClose = 32768, EditRawPositions = 65536, EditBackup = 131072,
    EditHideFileName = 4194304, EditNoMenu = 8388608, EditQuietOpen = 16777216, EditApplicationPrints = 67108864,
    EditHelpMode = 134217728,
};

inline HWND editorWindow(int word) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(word)); }
inline int editorWord(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }
inline HWND richEditOf(const EditorWindowRecord& r) { return editorWindow(r.RichEdit); }

// The editor record of a frame, or null when the frame is no editor.
EditorWindowRecord* yyeditrecord(HWND frame);
// The frame and record of the current window's editor; null when it is none.
EditorWindowRecord* yyeditcurrent(HWND* frame = nullptr);

// Creation (editor_create_win.cpp).
void yyEditCreateFont(EditorWindowRecord& record, int fontType, int fontSize);
int yyGetWindowTextLength(HWND control, int frozen);
// Text length in control positions (a line end counts once), without hiding the control.
int yyeditcontrolchars(HWND control);
// Deletes an editor font unless it is a stock font.
void yyeditdeletefont(HFONT font);
// The frees of destruction and of turning back into a plain child.
void yyeditfreeresources(EditorWindowRecord& record);

// The window procedure and its helpers (editor_proc_win.cpp).
LRESULT CALLBACK yyEditWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
void yyEditPaste(EditorWindowRecord& record);
// Undo and Redo buttons (toolbar and top bar) from the control's answers.
void yyeditundobuttons(EditorWindowRecord& record);
// Sets the View item of buffer n to its label (appends it when it does not exist yet).
void yyeditsetviewitem(EditorWindowRecord& record, int buffer, const char* name, bool check);

// Files (editor_files_win.cpp).
int yyEditOpenFile(HWND frame, int quiet);
int yyEditSaveFile(HWND frame, int saveAs);
void yyEditTitle(HWND frame);
void yyEditCloseFile(HWND frame);
DWORD CALLBACK yyEditLoadRTF(DWORD_PTR file, LPBYTE buffer, LONG wanted, LONG* got);
DWORD CALLBACK yyEditSaveRTF(DWORD_PTR file, LPBYTE buffer, LONG count, LONG* written);
// The file-type filter list of the dialogs (the record's or the built-in one).
const char* yyeditfilter(const EditorWindowRecord& record);

// Access (editor_access_win.cpp).
void yyEditAdjustPos(EditorWindowRecord& record, int from, int to, int& controlFrom, int& controlTo);
int yyEditLineFromChar(HWND control, int count);
// Caller position of a control position.
int yyeditcallerpos(EditorWindowRecord& record, int controlPosition);
// Keeps the final state of a closing modal editor for yyeditinfo with window -1.
void yyeditkeepmodalresults(EditorWindowRecord& record);

// Formatting (editor_format_win.cpp).
void yyEditFormatFont(HWND frame, EditorWindowRecord& record);
void yyEditFormatBIU(EditorWindowRecord& record, int command);
void yyEditFormatLCR(EditorWindowRecord& record, int command);
void yyEditFormatBullet(EditorWindowRecord& record);
void yyEditUpdateBIU(EditorWindowRecord& record);
void yyEditResetFormat(EditorWindowRecord& record);
UINT_PTR CALLBACK yyHelpEdFontHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Buffers, find and replace, printing and the command line.
void yyEditSwitchBuffer(HWND frame, int buffer);
int yyEditFind(HWND frame, EditorWindowRecord& record, FINDREPLACEA& findReplace);
int yyEditReplace(HWND frame, EditorWindowRecord& record, FINDREPLACEA& findReplace);
UINT_PTR CALLBACK yyEditFindHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int yyEditPrint(HWND frame, EditorWindowRecord& record, int selectionOnly, int set, int from, int to, const char* title);
// Fills both page-setup sets from the default printer, once per run.
void yyEditPrintInit();
LRESULT CALLBACK yyEditSubCommand(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Colouring (editor_colouring_win.cpp): the control's subclass while colouring is on, a piece of
// a line drawn at the control's own character positions, and a character's client position.
LRESULT CALLBACK yyEditSubRTF(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
void yyEditTextOut(EditorWindowRecord& record, HDC context, const char* text, int position, int length);
void yyEditPosFromChar(HWND control, int position, POINT& point);
