#pragma once

class AppContext;
class QtUserInterface;

// Registers "CSupplier" and "CFileRef1" for runDialog.
void registerSupplierDialogs(QtUserInterface& ui, AppContext& context);
