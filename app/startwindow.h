#pragma once

#include <optional>

class MainWindow;

// Claims the configuration for the window and loads it. The exit status when the window is not
// to open: 0 when the user declines to share the configuration with another editor (nothing has
// been written), 1 when there is no network to edit (the user has been told why); none when the
// window may be shown.
std::optional<int> prepareWindow(MainWindow& window);
