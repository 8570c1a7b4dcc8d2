#pragma once

class AppContext;
class QtUserInterface;

// Registers the Data Review by its class name, "CDataReview1".
void registerCheckDialogs(QtUserInterface& ui, AppContext& context);
