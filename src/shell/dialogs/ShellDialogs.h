#pragma once

class AppContext;
class QtUserInterface;

// Registers the shell's own dialogs by class name: CDateSet1, ChangeYear,
// CSummary.
void registerShellDialogs(QtUserInterface& ui, AppContext& context);
