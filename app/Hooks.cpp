#include "app/Hooks.h"

void OnProgramStart() {}

void OnProgramExit() {}

void OnMainWindowCreated() {}
