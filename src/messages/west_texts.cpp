// Messages that quote the English host's menu item and button.
#include "messages/message_texts.h"

const char EraseMenuNotSelectedText[] = "\"Erase ReWritable...\" メニューを選択できませんでした。";
const char EraseButtonNotFoundText[] = "\"Erase\" ボタンを見つけられませんでした。";
const char EraseButtonNotPressedText[] = "\"Erase\" ボタンを押せませんでした。";
