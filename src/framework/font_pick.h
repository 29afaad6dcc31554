#pragma once

#include <QFont>

#include <optional>

class QFontDialog;

// Runs a font dialog preset with `preset` and gives the font the user chose:
// `preset` with only the face, size and style changed that were changed in
// the dialog; nothing when the dialog was cancelled. The dialog lists only
// installed faces and shows a stand-in for any other (and may lose the style
// with it), so its selection alone would replace a stored face such as
// "Tahoma" even when the user just pressed OK.
std::optional<QFont> pickFont(QFontDialog &dialog, const QFont &preset);

// The program's font dialogs: Qt's own dialog (tests answer it in-process),
// opening on Tahoma 8, without the effects group (underline and strike-out
// have their own commands, or no place at all).
void prepareFontDialog(QFontDialog &dialog);
