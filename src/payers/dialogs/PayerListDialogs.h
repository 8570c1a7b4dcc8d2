#pragma once

class AppContext;
class QtUserInterface;

// Registers "CPayerList", "CAddPayer", "CEditPayer" and "CPayer".
void registerPayerListDialogs(QtUserInterface& ui, AppContext& context);
