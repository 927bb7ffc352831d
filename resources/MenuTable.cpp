#include "resources/MenuTable.h"

namespace {

constexpr MENU_ITEM Item(RESOURCE_ID nID, const char16_t* text) { return {MENU_ITEM::Command, nID, text}; }
constexpr MENU_ITEM Popup(const char16_t* text) { return {MENU_ITEM::Popup, 0, text}; }
constexpr MENU_ITEM kSeparator{MENU_ITEM::Separator, 0, nullptr};
constexpr MENU_ITEM kEndPopup{MENU_ITEM::EndPopup, 0, nullptr};

constexpr MENU_ITEM kMainMenu[] = {
    Popup(u"ファイル(&F)"),
    Item(ID_FILE_NEW, u"新規作成(&N)\tCtrl+N"),
    Item(ID_FILE_OPEN, u"開く(&O)...\tCtrl+O"),
    Item(ID_FILE_SAVE, u"上書き保存(&S)\tCtrl+S"),
    Item(ID_FILE_SAVE_AS, u"名前を付けて保存(&A)..."),
    kSeparator,
    Item(ID_FILE_PRINT_SETUP, u"プリンタの設定(&R)..."),
    kSeparator,
    Item(ID_FILE_MRU_FILE1, u"最近使用したﾌｧｲﾙ"),
    kSeparator,
    Item(ID_APP_EXIT, u"終了(&X)"),
    kEndPopup,
    Popup(u"編集(&E)"),
    Item(ID_EDIT_UNDO, u"元に戻す(&U)\tCtrl+Z"),
    Item(ID_EDIT_REDO, u"やり直し(&R)\tCtrl+Y"),
    kSeparator,
    Item(ID_EDIT_CLEAR, u"クリア(&A)\tDel"),
    kEndPopup,
    Popup(u"表示(&V)"),
    Item(ID_VIEW_LINE_ENDS, u"改行文字"),
    Item(ID_VIEW_ZOOM, u"表示倍率..."),
    kEndPopup,
    Popup(u"ヘルプ(&H)"),
    Item(ID_HELP_INDEX, u"ミルディアのヘルプ(&H)"),
    kSeparator,
    Item(ID_APP_ABOUT, u"バージョン情報(&A)..."),
    kEndPopup,
};

constexpr ACCEL_ENTRY kMainAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW}, {"Ctrl+O", ID_FILE_OPEN}, {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Y", ID_EDIT_REDO}, {"Ctrl+Z", ID_EDIT_UNDO}, {"Del", ID_EDIT_CLEAR},
};

}  // namespace

std::span<const MENU_ITEM> FindMenu(RESOURCE_ID nIDMenu) {
  if (nIDMenu == IDR_MAINFRAME) return kMainMenu;
  return {};
}

const char16_t* FindMenuItemText(RESOURCE_ID nIDMenu, RESOURCE_ID nIDCommand) {
  for (const MENU_ITEM& item : FindMenu(nIDMenu)) {
    if (item.kind == MENU_ITEM::Command && item.nID == nIDCommand) return item.text;
  }
  return nullptr;
}

std::span<const ACCEL_ENTRY> FindAccelerators(RESOURCE_ID nIDTable) {
  if (nIDTable == IDR_MAINFRAME) return kMainAccelerators;
  return {};
}
