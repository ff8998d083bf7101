// control_classes_win.cpp - the dialog manager's control classes: numeric edits and subclasses.
// The numeric edit classes and the standard-control subclasses arrive with the numeric fields.
#include "dialogs/dialogs_internal_win.hpp"

void yyregistersuperclass() {}

void yyregistersubclass() {}

void yygetatoms() {}
