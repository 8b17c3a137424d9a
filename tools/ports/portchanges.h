#pragma once

// Blocks until the machine's serial ports may have changed: the first notice of the system and
// those that follow it within 300 ms count as one. Where the system gives no notices, it returns
// every 2 s. Defined by the file the build selects for the system.
void waitForPortChange();
