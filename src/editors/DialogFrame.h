#pragma once

#include <functional>

class QButtonGroup;
class QDialog;
class TR7200;

// Fixes the dialog at the largest size it needs in any of its `states`; `show` puts the
// dialog's panels into state 0..states-1.
void FixDialogSize(QDialog& dialog, int states, const std::function<void(int)>& show);

// Shows the dialog modally, centred on its parent's window. Unless it is accepted, the
// record's program, start, name and comment come back as they were when it opened, also
// when a refused OK had already stored some of them.
bool ExecuteOnRecord(QDialog& dialog, TR7200& record);

// Selects the button of `id`, or none when the group has no such button (a record may hold
// any byte, and a reused dialog must not show the last record's choice).
void SelectButton(QButtonGroup* group, int id);
