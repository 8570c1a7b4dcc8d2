#pragma once

class AppContext;
class QtUserInterface;

// Registers "COrigEmp", and the lodgement file reader and the CR/LF copy
// tool under the names the main form asks for ("OnBnClickedLoadA01",
// "OnFixA01LineBreaks").
void registerLodgementImportDialogs(QtUserInterface& ui, AppContext& context);
