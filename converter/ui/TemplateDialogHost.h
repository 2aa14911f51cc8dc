#pragma once

class frmTemplate;

// The process-wide template dialog behind clsConverter::Show.
namespace converter_ui {

// The dialog, created (and loaded) on first use; deleted when the QApplication goes. Needs a
// QApplication: throws AutomationError 429 without one.
frmTemplate& TemplateDialog();

// Makes clsConverter::Show open the process-wide dialog. Safe to call more than once.
void InstallTemplateDialog();

}  // namespace converter_ui
