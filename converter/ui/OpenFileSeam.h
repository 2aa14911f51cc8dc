#pragma once

#include <QString>

#include <functional>

// The converter dialog opens its log through this seam: by default in the desktop's program for
// the file; tests install a handler that answers instead.
namespace ui {

// Returns whether the file could be handed to a program.
using OpenFileHandler = std::function<bool(const QString& path)>;

// Returns the previous handler; an empty one restores the desktop's.
OpenFileHandler SetOpenFileHandler(OpenFileHandler handler);
bool OpenFile(const QString& path);

}  // namespace ui
