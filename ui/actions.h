// The routines bound to the main window's events.
#pragma once

void OnMainWindowCreated();
void OnGenerateWebTicket();
void OnGenerateClientTicket();
void OnCopyWebTicket();
void OnCopyClientTicket();
void OnShowAbout();
