// Places where the program can do work of its own at start, at a normal end and once the main window
// has all its controls. None has work to do yet.
#pragma once

void OnProgramStart();
void OnProgramExit();
void OnMainWindowCreated();
