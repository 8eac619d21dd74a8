// Messages that quote the Japanese host's menu item and button.
#include "messages/message_texts.h"

const char EraseMenuNotSelectedText[] = "\"メディアの消去...\" メニューを選択できませんでした。";
const char EraseButtonNotFoundText[] = "\"消去\" ボタンを見つけられませんでした。";
const char EraseButtonNotPressedText[] = "\"消去\" ボタンを押せませんでした。";
