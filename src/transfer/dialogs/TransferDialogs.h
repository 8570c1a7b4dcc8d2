#pragma once

class AppContext;
class QtUserInterface;

// Registers the transfer dialogs ("Export") with the user interface.
void registerTransferDialogs(QtUserInterface& ui, AppContext& context);
