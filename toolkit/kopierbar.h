#pragma once

class QWidget;

namespace netzplaner {

// Lets the mouse select the text of every result label of the main window, to
// be copied with Ctrl+C or the context menu into a ticket or a configuration.
void macheErgebnisseKopierbar(QWidget* form1);

} // namespace netzplaner
