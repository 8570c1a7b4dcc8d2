#pragma once

class AppContext;

// Rereads the Payer List file and reconciles the report's payer with it.
// Called after a report was opened.
void LoadPayerListAndMatchPayer(AppContext& context);
