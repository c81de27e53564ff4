#pragma once

#include <functional>

class QButtonGroup;
class QDialog;

// Fixes the dialog at the largest size it needs in any of its `states`; `show` puts the
// dialog's panels into state 0..states-1.
void FixDialogSize(QDialog& dialog, int states, const std::function<void(int)>& show);

// Shows the dialog modally, centred on its parent's window; true when it was accepted.
bool ExecuteCentred(QDialog& dialog);

// Selects the button of `id`, or none when the group has no such button (a record may hold
// any byte, and a reused dialog must not show the last record's choice).
void SelectButton(QButtonGroup* group, int id);
