#pragma once

// Makes the windows, their texts and their icons grow with the screen's scale (192 dpi draws
// everything twice as large). Must be called before the application object exists.
void scaleWithScreen();
