#pragma once

#include <memory>

namespace fw {
class FileType;
}

// The program's one declared file type. Nothing opens or saves documents with it.
namespace FileTypes {

// Held from start-up until shutdown; nil before _Initialize and after release.
extern std::unique_ptr<fw::FileType> pText;

// Start-up: makes the "text" type (Mac type "TEXT", creator "R*ch").
void _Initialize();
// Shutdown: releases pText.
void release();

} // namespace FileTypes
