// The messages that read the same for both editions of the host.
#include "messages/message_texts.h"

const char HostNotStartedText[] = "Nero を起動できませんでした。\r\nエラーコード： ";
const char MainWindowNotFoundText[] = "メインウィンドウの取得に失敗しました。";
const char EraseNotStartedText[] = "メディアの消去を開始できませんでした。";
const char EraseTimedOutText[] = "タイムアウト。\r\n手動で Nero を終了させて下さい。";
// The two sentences are parted by an ideographic space (U+3000).
const char HostLostText[] = "Nero を見失いました。\u3000終了します。";
const char ExitCommandFailedText[] = "メニューから \"終了\" を実行できませんでした。";
const char HostNotExitedText[] = "Nero を終了させられませんでした。";
