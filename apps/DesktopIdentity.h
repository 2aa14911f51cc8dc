#pragma once

#include <QString>

// Ties this process's windows to an installed desktop entry ("tabrix-browse", "tabrix-convert"):
// the desktop shell shows the entry's name and icon for them (Wayland matches windows to entries
// by that name), and the windows carry the program's icon, from the icon theme or, for a tree
// installed outside the theme's folders, from the tree itself. Needs the application object.
void SetDesktopIdentity(const QString& desktopEntry);
