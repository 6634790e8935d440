#pragma once
#include <QString>

namespace sumcraft {

// Saves the wizard's windows and the print window as PNG files in `folder`;
// the table and graph dialogs use the templates of `templatesFile`. False
// when a picture could not be written.
bool SaveWizardScreenshots(const QString& folder, const QString& templatesFile);

}  // namespace sumcraft
