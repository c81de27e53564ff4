#pragma once

class QWidget;
class TR7200;

// Shows the first value of the program the editors would refuse, with its field's caption
// and range, over `parent`; false then. True for a program they accept.
bool AcceptedProgram(const TR7200& record, QWidget* parent);
