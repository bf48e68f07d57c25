#pragma once

#include <QString>

// The program's localizable texts.
namespace LocalizationMod {

// The caption in front of the main window's nature field: the current language's text
// for the key "LocalizationMod.kNature", or "Represents". Looked up at every call.
QString kNature();

} // namespace LocalizationMod
