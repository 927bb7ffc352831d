#include "resources/StringTable.h"

namespace {

struct STRING_ENTRY {
  RESOURCE_ID nID;
  std::u16string_view text;
};

constexpr STRING_ENTRY kStrings[] = {
    {IDR_MAINFRAME,
     u"Vantorel - ミルディア\n\nVantorel - ミルディア\nプリントファイル(*.qvp)\n.qvp\nVorel.Document\nVorel Document"},
    {ID_FILE_NEW, u"新しいプリントを作成します。\n新規作成"},
    {ID_FILE_OPEN, u"既存のプリントを開きます。\n開く"},
    {ID_FILE_SAVE, u"開いているプリントを上書きして保存します。\n上書き保存"},
    {ID_FILE_SAVE_AS, u"プリントに名前を付けて保存します。\n名前を付けて保存"},
    {ID_FILE_PRINT_SETUP, u"プリンタと印刷のオプションを変更します。\nプリンタの設定"},
    {ID_FILE_MRU_FILE1, u"このプリントを開きます。"},
    {ID_EDIT_UNDO, u"直前に行った動作を元に戻す\n元に戻す"},
    {ID_EDIT_REDO, u"直前に行った動作をやり直す\nやり直し"},
    {ID_APP_ABOUT, u"プログラムの情報、バージョン、著作権を表示します。\nバージョン情報"},
    {ID_APP_EXIT, u"アプリケーションを終了します。プリントを保存するかどうかを尋ねます。\n終了"},
    {ID_HELP_INDEX, u"ヘルプの目次を開きます。\nヘルプ"},
    {ID_INDICATOR_PAGE, u"000ページ"},
    {IDS_FONT_DEFAULTS, u"フォント既定値"},
    {IDS_FONT, u"フォント"},
    {AFX_IDS_IDLEMESSAGE, u"レディ"},
    {AFX_IDS_OPENFILE, u"開く"},
    {AFX_IDS_SAVEFILE, u"名前を付けて保存"},
    {AFX_IDS_ALLFILTER, u"すべてのファイル (*.*)"},
    {AFX_IDS_UNSUPPORTED_WINDOWS, u"アプリケーションは、このバージョンの Windows には対応していません。"},
};

}  // namespace

std::u16string_view FindResourceString(RESOURCE_ID nID) {
  for (const STRING_ENTRY& entry : kStrings) {
    if (entry.nID == nID) return entry.text;
  }
  // The recent files share the first one's text.
  if (nID > ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE16) return FindResourceString(ID_FILE_MRU_FILE1);
  return {};
}
